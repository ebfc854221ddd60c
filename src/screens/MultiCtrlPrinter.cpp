#include "MultiCtrlPrinter.h"

#include <algorithm>

#include "DiagSystemPrinter.h"
#include "MultiCtrl.h"

int CMultiCtrlPrinter::SetPageRect(const RECT& rect)
{
    m_rcPage = rect;
    return 1;
}

int CMultiCtrlPrinter::SetFont(HFONT font)
{
    if (!font)
        return 0;
    m_hFont = font;
    return 1;
}

int CMultiCtrlPrinter::SetDC(HDC dc)
{
    if (!dc)
        return 0;
    m_hDC = dc;
    return 1;
}

int CMultiCtrlPrinter::MeasureFont()
{
    if (!m_hDC || !m_hFont)
        return 0;
    m_hOldFont = SelectObject(m_hDC, m_hFont);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(m_hDC, &metrics);
    m_nLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    m_nWideCharWidth = 3 * metrics.tmAveCharWidth;
    SelectObject(m_hDC, m_hOldFont);
    return 1;
}

int CMultiCtrlPrinter::ColumnWidth(int column) const
{
    return column >= 0 && column < m_nColumnCount ? m_columnWidths[static_cast<size_t>(column)] : 0;
}

int CMultiCtrlPrinter::LoadTable(const CMultiCtrl* engine)
{
    if (!engine)
        return 0;
    MeasureFont();
    m_pTable = engine;
    m_nRowCount = engine->GetRowCount() + 1;
    m_nColumnCount = engine->GetColumnCount();
    int total = 0;
    for (int column = 0; column < m_nColumnCount; ++column)
        total += engine->GetColumnWidth(column);

    m_rows.assign(static_cast<size_t>(m_nRowCount), std::vector<std::wstring>(static_cast<size_t>(m_nColumnCount)));
    for (int column = 0; column < m_nColumnCount; ++column) {
        const wchar_t* title = engine->GetColumnTitle(column);
        m_rows[0][static_cast<size_t>(column)] = title ? title : L"";
        for (int row = 1; row < m_nRowCount; ++row) {
            const wchar_t* text = engine->GetCellText(row - 1, column);
            m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = text ? text : L"";
        }
    }

    m_columnWidths.assign(static_cast<size_t>(m_nColumnCount), 0);
    m_nWidthSum = 0;
    for (int column = 0; column < m_nColumnCount; ++column) {
        // A table whose columns have no width yet shares the page equally.
        const double share = total > 0 ? static_cast<double>(engine->GetColumnWidth(column)) / total
                                        : 1.0 / m_nColumnCount;
        m_columnWidths[static_cast<size_t>(column)] = static_cast<int>(share * PageWidth());
        m_nWidthSum += m_columnWidths[static_cast<size_t>(column)];
    }
    // The widths fill the page already: the gaps would push the last column off it.
    FitGapToPage();
    return 1;
}

int CMultiCtrlPrinter::Prepare(int rowCount, int columnCount, const std::vector<std::vector<std::wstring>>* columns)
{
    if (rowCount <= 0 || columnCount <= 0 || !columns)
        return 0;
    MeasureFont();
    m_pTable = nullptr;
    m_nRowCount = rowCount;
    m_nColumnCount = columnCount;
    m_rows.assign(static_cast<size_t>(rowCount), std::vector<std::wstring>(static_cast<size_t>(columnCount)));
    std::vector<size_t> longest(static_cast<size_t>(columnCount), 0);
    for (size_t column = 0; column < m_rows.front().size() && column < columns->size(); ++column) {
        const auto& texts = (*columns)[column];
        for (size_t row = 0; row < m_rows.size() && row < texts.size(); ++row) {
            m_rows[row][column] = texts[row];
            longest[column] = std::max(longest[column], texts[row].size());
        }
    }

    m_columnWidths.assign(static_cast<size_t>(columnCount), 0);
    m_nWidthSum = 0;
    const int gaps = columnCount * m_nColumnGap;
    for (int column = 0; column < columnCount; ++column) {
        // Never a negative width: when the gaps alone are wider than the page, the gap gives way.
        int width = std::max(0, (PageWidth() - gaps) / columnCount);
        const bool last = column == columnCount - 1;
        if (last && width < static_cast<int>(longest[static_cast<size_t>(column)]) * m_nWideCharWidth)
            width = std::max(0, static_cast<int>(m_rcPage.right - m_nWidthSum - gaps - m_rcPage.left));
        m_columnWidths[static_cast<size_t>(column)] = width;
        m_nWidthSum += width;
    }
    FitGapToPage();
    return 1;
}

void CMultiCtrlPrinter::FitGapToPage()
{
    if (m_nColumnCount > 0 && PageWidth() < m_nColumnCount * m_nColumnGap + m_nWidthSum)
        m_nColumnGap = std::max(0, (PageWidth() - m_nWidthSum) / m_nColumnCount);
}

bool CMultiCtrlPrinter::RowIsEmpty(int row) const
{
    const auto& texts = m_rows[static_cast<size_t>(row)];
    return std::all_of(texts.begin(), texts.end(), [](const std::wstring& text) { return text.empty(); });
}

std::vector<std::vector<std::wstring>> CMultiCtrlPrinter::WrapRow(int row) const
{
    std::vector<std::vector<std::wstring>> cells;
    for (int column = 0; column < m_nColumnCount; ++column) {
        std::vector<std::wstring> lines;
        CDiagSystemPrinter::WrapText(m_hDC, ColumnWidth(column) + m_nColumnGap,
                                     m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)], lines);
        cells.push_back(std::move(lines));
    }
    return cells;
}

int CMultiCtrlPrinter::RowHeight(const std::vector<std::vector<std::wstring>>& cells) const
{
    size_t lines = 1;
    for (const auto& cell : cells)
        lines = std::max(lines, cell.size());
    return static_cast<int>(lines) * (m_nLineHeight + m_nLineSpacing);
}

void CMultiCtrlPrinter::PrintCells(const std::vector<std::vector<std::wstring>>& cells, int y)
{
    m_nX = m_rcPage.left;
    for (int column = 0; column < m_nColumnCount; ++column) {
        const auto& lines = cells[static_cast<size_t>(column)];
        for (size_t k = 0; k < lines.size(); ++k) {
            const int lineY = y + m_nLineSpacing + static_cast<int>(k) * (m_nLineHeight + m_nLineSpacing);
            TextOutW(m_hDC, m_nX, lineY, lines[k].c_str(), static_cast<int>(lines[k].size()));
        }
        m_nX += ColumnWidth(column) + m_nColumnGap;
    }
}

int CMultiCtrlPrinter::PrintRow(int firstRow)
{
    if (!m_hDC || firstRow < 0)
        return 0;
    m_nX = m_rcPage.left;
    m_nY = m_rcPage.top;
    if (m_hFont)
        m_hOldFont = SelectObject(m_hDC, m_hFont);
    int consumed = 0;
    bool printedOnPage = false;
    for (int row = firstRow; row < m_nRowCount; ++row) {
        if (RowIsEmpty(row)) {
            ++consumed;
            continue;
        }
        const auto cells = WrapRow(row);
        const int height = RowHeight(cells);
        // A row that would run past the page's foot goes to the next page; only a row taller than
        // a whole page is printed whole where it starts.
        if (printedOnPage && m_nY + height > m_rcPage.bottom)
            break;
        PrintCells(cells, m_nY);
        m_nY += height;
        ++consumed;
        printedOnPage = true;
        if (m_nY > m_rcPage.bottom)
            break;
    }
    if (m_hFont)
        SelectObject(m_hDC, m_hOldFont);
    return consumed;
}
