#pragma once
// The decisions of the icon grid without a window: how many cells fit, where each lies, what a page
// or arrow key does, and which cell a point hits. The grid shows a page of columns x rows cells from
// the first visible item; the selection is a cell of that page.
#include <cstdint>
#include <optional>

// The keys the grid answers, by their virtual-key codes.
namespace gridkey {
constexpr unsigned kPrior = 0x21;
constexpr unsigned kNext = 0x22;
constexpr unsigned kLeft = 0x25;
constexpr unsigned kUp = 0x26;
constexpr unsigned kRight = 0x27;
constexpr unsigned kDown = 0x28;
}  // namespace gridkey

struct GRID_PITCH {
    int x;
    int y;
};

struct GRID_CELL {
    int left;
    int top;
    int right;
    int bottom;
};

class CIconGridModel {
public:
    // Lays the page out on a client area of width x height for cells of cx x cy: the room left
    // over is spread between the cells. Returns the pitches, or (cx, cy) with the pitches left as
    // they were when not even one column or row fits.
    GRID_PITCH SetCellSize(int width, int height, int cx, int cy, int iconCount);

    // Applies a page or arrow key for a grid of `count` items; false (and nothing changes) when the
    // grid is empty, true for any key otherwise.
    bool NavigateKey(unsigned key, int count);

    // The cell under a client point, when an item is shown there; it becomes the selected cell.
    // Points in the strips that the rounded pitches leave at the right and bottom edges hit nothing.
    std::optional<int> HitTest(int x, int y, int width, int height, int count);

    // Keeps the selected cell on the page (a page of no cells leaves it at -1).
    void ClampSelection();
    // The first page and its first cell (after a resize, or when the items are replaced).
    void Reset();

    GRID_CELL CellRect(int item) const;

    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int PageSize() const { return m_columns * m_rows; }
    int PitchX() const { return m_pitchX; }
    int PitchY() const { return m_pitchY; }
    int CellWidth() const { return m_cellWidth; }
    int CellHeight() const { return m_cellHeight; }
    bool Paging() const { return m_paging; }
    int First() const { return m_first; }
    int SelectedCell() const { return m_selected; }
    int SelectedItem() const { return m_first + m_selected; }
    int PageStart() const { return m_pageStart; }
    bool HasPreviousPage() const { return m_first > 0; }
    bool HasNextPage(int count) const { return m_first + PageSize() < count; }

private:
    uint8_t m_columns = 0;
    uint8_t m_rows = 0;
    int m_pitchX = 1;
    int m_pitchY = 1;
    int m_cellWidth = 1;
    int m_cellHeight = 1;
    bool m_paging = false;
    int m_first = 0;
    int m_selected = 0;
    int m_pageStart = 0;
};
