#pragma once
// The paging and layout of the software tile grid, without its window: how many tiles a page holds,
// where a tile's cell is, which tile a point hits, what a key does to the page and the hot tile,
// and where the progress bar stands.
#include <cstddef>
#include <cstdint>

struct TILE_CELL {
    int x = 0;
    int y = 0;
};

class CSoftwareGridModel {
public:
    // The requested tile size against the client size; returns the cell size, or the requested size
    // when not one tile fits (the cell size is then kept as it was).
    TILE_CELL CalcLayout(int tileWidth, int tileHeight, int clientWidth, int clientHeight);

    void SetCount(size_t count) { m_count = count; }
    size_t Count() const { return m_count; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int PerPage() const { return m_columns * m_rows; }
    TILE_CELL Cell() const { return {m_cellWidth, m_cellHeight}; }
    size_t PageStart() const { return m_pageStart; }
    int Hot() const { return m_hot; }
    size_t HotIndex() const { return m_pageStart + static_cast<size_t>(m_hot); }
    bool IsLastPage() const { return m_pageStart + static_cast<size_t>(PerPage()) >= m_count; }

    // Back to the first page (after a resize or when emptied).
    void Reset();
    // The cell of a tile of the page shown.
    TILE_CELL CellOf(size_t index) const;
    // Makes the tile under the point the hot one; false when no tile is there.
    bool HitTest(int x, int y, int clientWidth, int clientHeight);
    // Page Up/Down and the arrow keys; false for any other key.
    bool MoveHot(uint32_t key);
    // The hot tile stays on the page.
    void ClampHot();

    // Where the progress bar of tile `index` stands, and the page it belongs to.
    struct PROGRESS_PLACE {
        TILE_CELL cell;
        size_t pageStart = 0;
    };
    PROGRESS_PLACE ProgressPlace(size_t index) const;

private:
    void NextPage(size_t end);

    size_t m_count = 0;
    int m_columns = 0;
    int m_rows = 0;
    int m_cellWidth = 1;
    int m_cellHeight = 1;
    size_t m_pageStart = 0;
    int m_hot = 0;
};
