#pragma once
// The reader host's vertical scroll position, kept in the host's own units: each document page is
// k units, the reader scrolls a line per unit. Turns scroll-bar actions and arrow keys into the
// commands the reader understands, so the host only passes them on.
#include <optional>
#include <string>

// A command for the reader: code 2 scroll up, 3 scroll down, 4 page up, 5 page down; lines is the
// message's lParam.
struct READER_COMMAND {
    int code;
    int lines;
    bool operator==(const READER_COMMAND& other) const { return code == other.code && lines == other.lines; }
};

class CPdfScrollModel {
public:
    // The range follows the page count known when the host is made; a count reported later does
    // not change it.
    CPdfScrollModel(int width, int height, int pageCount);

    int UnitsPerPage() const { return m_unitsPerPage; }
    int Maximum() const { return m_maximum; }
    int PageSize() const { return m_height; }
    int Position() const { return m_position; }

    std::optional<READER_COMMAND> LineUp();
    std::optional<READER_COMMAND> LineDown();
    std::optional<READER_COMMAND> PageUp();
    std::optional<READER_COMMAND> PageDown();
    READER_COMMAND ThumbTo(int position);
    // The arrow keys move by a screenful of lines but stop at the edge of the current page.
    std::optional<READER_COMMAND> LeftKey(int currentPage);
    std::optional<READER_COMMAND> RightKey(int currentPage);

    // The text the page-number box is to show instead of `text`, or nothing when it may stay.
    static std::optional<std::wstring> ClampPageEntry(const std::wstring& text, int pageCount);

private:
    int LastPosition() const { return m_maximum - m_height; }
    void MoveTo(int position);
    int ArrowStep() const;

    int m_height;
    int m_unitsPerPage;
    int m_maximum;
    int m_position = 0;
};
