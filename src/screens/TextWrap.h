#pragma once
// How a cell's text is cut into the lines the table draws: at line breaks, after a space where the
// next word does not fit, or inside a word that is wider than the column. Kept apart from GDI so the
// layout can be checked with a fixed-width measure.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The width of one character in the font the table draws with.
class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    virtual int CharWidth(wchar_t character) const = 0;
};

// One line of a cell: a part of the cell's text, line-break characters included.
struct TEXT_LINE {
    size_t start = 0;
    size_t length = 0;
};

constexpr int kMaxCellLines = 10;
// Room a line leaves free at the right edge of its column.
constexpr int kWrapMargin = 10;

// The lines of `text` in a column `columnWidth` pixels wide: at most kMaxCellLines; none for an
// empty text. Every line takes at least one character, so a column too narrow for any character
// still shows the text one character a line.
std::vector<TEXT_LINE> WrapCellText(std::wstring_view text, int columnWidth, const ITextMeasure& measure);

// How many of a cell's lines the area can show: when they are taller than the area, one row less
// than the area holds, but never fewer than one line.
int CapLinesToArea(int lines, int rowHeight, int areaHeight);

// A line as it is drawn: without its line-break characters, a single leading space dropped before
// a word, and two spaces of indent.
std::wstring LineForDrawing(std::wstring_view line);
