#pragma once
// Lays a table out on a printer's device context and prints it page by page: either the table of a
// drawing engine (a header row, then its rows; columns in proportion to the engine's) or a list of
// text columns. Each cell is word-wrapped to its column.
#include <windows.h>

#include <string>
#include <vector>

class CMultiCtrl;

class CMultiCtrlPrinter {
public:
    static constexpr int kDefaultColumnGap = 250;

    CMultiCtrlPrinter() = default;
    virtual ~CMultiCtrlPrinter() = default;
    CMultiCtrlPrinter(const CMultiCtrlPrinter&) = delete;
    CMultiCtrlPrinter& operator=(const CMultiCtrlPrinter&) = delete;

    int SetPageRect(const RECT& rect);
    int SetFont(HFONT font);  // not owned
    int SetDC(HDC dc);        // not owned
    void SetOption(int lineSpacing) { m_nLineSpacing = lineSpacing; }
    void SetTitle(const std::wstring& title) { m_strTitle = title; }
    int MeasureFont();

    int LoadTable(const CMultiCtrl* engine);
    // `columns` holds one list of texts by row per column.
    int Prepare(int rowCount, int columnCount, const std::vector<std::vector<std::wstring>>* columns);
    // Prints from `firstRow` until the page is full; the number of rows consumed.
    int PrintRow(int firstRow);

    int RowCount() const { return m_nRowCount; }
    int ColumnCount() const { return m_nColumnCount; }
    int ColumnWidth(int column) const;
    int ColumnGap() const { return m_nColumnGap; }
    int LineHeight() const { return m_nLineHeight; }
    const std::wstring& Title() const { return m_strTitle; }

private:
    int PageWidth() const { return m_rcPage.right - m_rcPage.left; }
    void FitGapToPage();
    std::vector<std::vector<std::wstring>> WrapRow(int row) const;
    bool RowIsEmpty(int row) const;
    int RowHeight(const std::vector<std::vector<std::wstring>>& cells) const;
    void PrintCells(const std::vector<std::vector<std::wstring>>& cells, int y);

    HFONT m_hFont = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    RECT m_rcPage = {};
    int m_nRowCount = 0;
    int m_nColumnCount = 0;
    int m_nX = 0;
    int m_nY = 0;
    int m_nLineHeight = 0;
    int m_nWideCharWidth = 0;
    std::vector<int> m_columnWidths;
    int m_nLineSpacing = 0;
    int m_nColumnGap = kDefaultColumnGap;
    int m_nWidthSum = 0;
    HDC m_hDC = nullptr;
    const CMultiCtrl* m_pTable = nullptr;
    std::vector<std::vector<std::wstring>> m_rows;
    std::wstring m_strTitle;
};
