#include "IconGridModel.h"

#include <algorithm>

namespace {

// Counts are kept in a byte; a count that does not fit saturates rather than wrapping round to a
// small number that would lay the page out wrongly.
uint8_t ByteCount(int count)
{
    return static_cast<uint8_t>(std::clamp(count, 0, 255));
}

}  // namespace

GRID_PITCH CIconGridModel::SetCellSize(int width, int height, int cx, int cy, int iconCount)
{
    m_cellWidth = cx;
    m_cellHeight = cy;
    const bool usable = cx > 0 && cy > 0 && width > 0 && height > 0;
    m_rows = usable ? ByteCount(height / cy) : 0;
    m_columns = usable ? ByteCount(width / cx) : 0;
    m_paging = PageSize() < iconCount;
    if (m_columns == 0 || m_rows == 0)
        return GRID_PITCH{cx, cy};
    const int spareX = width - cx * m_columns;
    const int spareY = height - cy * m_rows;
    m_pitchX = cx + static_cast<int>(static_cast<double>(spareX) / m_columns + 0.5);
    m_pitchY = cy + spareY / m_rows;
    return GRID_PITCH{m_pitchX, m_pitchY};
}

bool CIconGridModel::NavigateKey(unsigned key, int count)
{
    if (count <= 0)
        return false;
    const int page = PageSize();
    const int end = m_first + page;
    const int shown = std::min(end, count);
    const int next = count - end - 1;
    auto toNextPage = [&] {
        m_first = end;
        m_selected = std::min(m_selected, next);
    };
    switch (key) {
    case gridkey::kPrior:
        if (m_first < page) {
            m_first = 0;
        } else {
            m_first -= page;
            m_pageStart = m_first;
        }
        break;
    case gridkey::kNext:
        if (shown < count) {
            toNextPage();
            m_pageStart = shown;
        }
        break;
    case gridkey::kLeft:
        if (m_selected > 0)
            --m_selected;
        else
            m_first = m_first < page ? 0 : m_first - page;
        break;
    case gridkey::kUp:
        if (m_selected >= m_columns)
            m_selected -= m_columns;
        else if (m_first >= page)
            m_first -= page;
        else if (m_first > 0)
            m_first = 0;
        else if (m_selected > 0)
            --m_selected;
        break;
    case gridkey::kRight:
        if (m_first + m_selected + 2 <= shown)
            ++m_selected;
        else if (shown < count)
            toNextPage();
        break;
    case gridkey::kDown:
        if (m_first + m_columns + m_selected + 1 <= shown)
            m_selected += m_columns;
        else if (shown < count)
            toNextPage();
        else if (m_first + m_selected + 1 < count)
            ++m_selected;
        break;
    default:
        break;
    }
    return true;
}

std::optional<int> CIconGridModel::HitTest(int x, int y, int width, int height, int count)
{
    if (x < 0 || y < 0 || x >= width || y >= height || m_pitchX <= 0 || m_pitchY <= 0)
        return std::nullopt;
    const int column = x / m_pitchX;
    const int row = y / m_pitchY;
    if (column >= m_columns || row >= m_rows)
        return std::nullopt;
    const int cell = row * m_columns + column;
    if (m_first + cell >= count)
        return std::nullopt;
    m_selected = cell;
    return cell;
}

void CIconGridModel::ClampSelection()
{
    if (m_selected + 1 >= PageSize())
        m_selected = PageSize() - 1;
}

void CIconGridModel::Reset()
{
    m_first = 0;
    m_selected = 0;
}

GRID_CELL CIconGridModel::CellRect(int item) const
{
    const int index = item - m_first;
    const int columns = std::max<int>(m_columns, 1);
    const int left = (index % columns) * m_pitchX;
    const int top = (index / columns) * m_pitchY;
    return GRID_CELL{left, top, left + m_pitchX, top + m_pitchY};
}
