#include "SoftwareGridModel.h"

#include <algorithm>

namespace {

constexpr uint32_t kPageUp = 0x21;
constexpr uint32_t kPageDown = 0x22;
constexpr uint32_t kLeft = 0x25;
constexpr uint32_t kUp = 0x26;
constexpr uint32_t kRight = 0x27;
constexpr uint32_t kDown = 0x28;

}  // namespace

TILE_CELL CSoftwareGridModel::CalcLayout(int tileWidth, int tileHeight, int clientWidth, int clientHeight)
{
    const int rows = tileHeight > 0 ? clientHeight / tileHeight : 0;
    const int columns = tileWidth > 0 ? clientWidth / tileWidth : 0;
    m_rows = std::clamp(rows, 0, 255);
    m_columns = std::clamp(columns, 0, 255);
    if (m_rows == 0 || m_columns == 0)
        return {tileWidth, tileHeight};
    // The spare width is shared out rounded, the spare height truncated.
    m_cellWidth = tileWidth + static_cast<int>((clientWidth - m_columns * tileWidth) / static_cast<double>(m_columns) + 0.5);
    m_cellHeight = tileHeight + static_cast<int>((clientHeight - m_rows * tileHeight) / static_cast<double>(m_rows));
    return {m_cellWidth, m_cellHeight};
}

void CSoftwareGridModel::Reset()
{
    m_pageStart = 0;
    m_hot = 0;
}

TILE_CELL CSoftwareGridModel::CellOf(size_t index) const
{
    if (m_columns == 0)
        return {};
    const size_t onPage = index - m_pageStart;
    const int column = static_cast<int>(onPage % static_cast<size_t>(m_columns));
    const int row = static_cast<int>(onPage / static_cast<size_t>(m_columns));
    return {column * m_cellWidth, row * m_cellHeight};
}

bool CSoftwareGridModel::HitTest(int x, int y, int clientWidth, int clientHeight)
{
    if (x < 0 || y < 0 || x >= clientWidth || y >= clientHeight || m_cellWidth <= 0 || m_cellHeight <= 0)
        return false;
    const int column = x / m_cellWidth;
    const int row = y / m_cellHeight;
    if (column >= m_columns || row >= m_rows)
        return false;  // the strip the rounded cells leave holds no tile
    const int k = row * m_columns + column;
    if (m_pageStart + static_cast<size_t>(k) >= m_count)
        return false;
    m_hot = k;
    return true;
}

void CSoftwareGridModel::NextPage(size_t end)
{
    m_pageStart = end;
    m_hot = static_cast<int>(std::min<size_t>(static_cast<size_t>(m_hot), m_count - end - 1));
}

bool CSoftwareGridModel::MoveHot(uint32_t key)
{
    const size_t per = static_cast<size_t>(PerPage());
    if (m_count == 0 || per == 0)
        return false;
    const size_t end = m_pageStart + per;
    const size_t lim = std::min(end, m_count);
    const size_t hot = static_cast<size_t>(m_hot);
    const size_t columns = static_cast<size_t>(m_columns);
    switch (key) {
    case kPageUp:
        m_pageStart = m_pageStart < per ? 0 : m_pageStart - per;
        break;
    case kPageDown:
        if (lim < m_count)
            NextPage(end);
        break;
    case kLeft:
        if (m_hot > 0)
            --m_hot;
        else
            m_pageStart = m_pageStart >= per ? m_pageStart - per : 0;
        break;
    case kUp:
        if (hot >= columns)
            m_hot -= m_columns;
        else if (m_pageStart >= per)
            m_pageStart -= per;
        else if (m_pageStart > 0)
            m_pageStart = 0;
        else if (m_hot > 0)
            --m_hot;
        break;
    case kRight:
        if (m_pageStart + hot + 2 <= lim)
            ++m_hot;
        else if (lim < m_count)
            NextPage(end);
        break;
    case kDown:
        if (m_pageStart + hot + columns + 1 <= lim)
            m_hot += m_columns;
        else if (lim < m_count)
            NextPage(end);
        else if (m_pageStart + hot + 1 < m_count)
            ++m_hot;
        break;
    default:
        break;
    }
    return true;
}

void CSoftwareGridModel::ClampHot()
{
    if (PerPage() > 0 && m_hot >= PerPage())
        m_hot = PerPage() - 1;
}

CSoftwareGridModel::PROGRESS_PLACE CSoftwareGridModel::ProgressPlace(size_t index) const
{
    PROGRESS_PLACE place;
    const size_t per = static_cast<size_t>(PerPage());
    if (per == 0)
        return place;
    const size_t k = index % per;
    const size_t columns = static_cast<size_t>(m_columns);
    place.cell = {static_cast<int>(k % columns) * m_cellWidth,
                  static_cast<int>((k / columns) % static_cast<size_t>(m_rows)) * m_cellHeight};
    place.pageStart = index - k;
    return place;
}
