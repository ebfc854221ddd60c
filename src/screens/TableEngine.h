#pragma once
// The table-and-graph engine without its window: the fixed table of cells, paging with its page
// stack, selection, hit tests, the graph records with their sample lists, and the layout of a page
// into a picture (DRAW_LIST). CMultiCtrl gives it a canvas (the child window, its fonts and the
// off-screen bitmap); tests give a canvas that measures every character the same width.
//
// Redraw modes: 1 lays out and presents the picture, 0 only lays out (rows per page and row bottoms
// follow), -1 does nothing more. Operations return 1 when done, 0 when refused, and a refused
// operation changes nothing.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DrawList.h"
#include "GraphSamples.h"
#include "MultiCtrlHost.h"
#include "TextWrap.h"

// The rectangle of the engine's window in its view: left, top, width, height.
struct ENGINE_AREA {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where the engine's pictures go.
class ITableCanvas {
public:
    virtual ~ITableCanvas() = default;
    // Without a window nothing is laid out or drawn.
    virtual bool HasWindow() const = 0;
    // Measures characters in the table font.
    virtual const ITextMeasure& TableMeasure() const = 0;
    // Composes the picture off-screen, copies it to the window and shows the window.
    virtual void Present(const DRAW_LIST& picture) = 0;
};

class CTableEngine {
public:
    static constexpr int kMaxRows = 300;
    static constexpr int kMaxColumns = 6;
    static constexpr int kMaxColumnWidths = 10;
    static constexpr int kCellChars = 255;
    static constexpr int kNoGraphRow = 301;
    static constexpr int kPageStackSize = 300;
    static constexpr int kMinRowHeight = 23;
    static constexpr int kGraphRowsPerPage = 20;
    static constexpr int kPlotLeft = 80;          // the curve's newest point and the y axis
    static constexpr int kPlotMargins = 160;      // the plot is the width less this
    static constexpr int kGraphHeaderHeight = 37;  // the header the graph form counts rows under

    static constexpr uint32_t kHeaderColour = 0xA5A5A5;
    static constexpr uint32_t kHeaderTextColour = 0xFFFFFF;
    static constexpr uint32_t kBodyColour = 0xFFFFFF;
    static constexpr uint32_t kTextColour = 0x000000;
    static constexpr uint32_t kOddRowColour = 0xF0F0F0;
    static constexpr uint32_t kOrange = 0x0078FF;  // colour references: 0x00BBGGRR
    static constexpr uint32_t kRed = 0x0000FF;
    static constexpr uint32_t kWhite = 0xFFFFFF;

    static constexpr unsigned kStyleLeft = kDrawSingleLine | kDrawVCentre;  // 36
    static constexpr unsigned kStyleCentre = kStyleLeft | kDrawCentre;      // 37
    static constexpr unsigned kStyleRight = kStyleLeft | kDrawRight;        // 38

    CTableEngine(IMultiCtrlHost& host, ITableCanvas& canvas);
    ~CTableEngine();
    CTableEngine(const CTableEngine&) = delete;
    CTableEngine& operator=(const CTableEngine&) = delete;

    // Set-up and content.
    void Init();
    // A new window was placed in `area`: header 37, one column, rows 38 high (laid out, not drawn).
    void OnAttached(const ENGINE_AREA& area);
    int SetRect(const ENGINE_AREA& area);
    void Clear();
    int AddRow();
    int SetRowCount(int count);
    int SetColumns(int count, int redrawMode);
    int SetColumnWidths(int column, int width, int redrawMode);
    int SetHeaderHeight(int height, int redrawMode);
    int SetRowHeight(int height, int redrawMode);
    int SetStyle(int type, int redrawMode);
    int SetMode(int multiSelect, int redrawMode);
    void SetMaxSelection(int count) { m_selectionLimit = count; }
    int SetHeaderText(int column, const wchar_t* text, int redrawMode);
    int SetCellText(int row, int column, const wchar_t* text, int redrawMode, int graphDraw = 0);
    const wchar_t* GetCellText(int row, int column) const;
    const wchar_t* GetColumnTitle(int column) const;
    int GetColumnWidth(int column) const;
    int GetRowCount() const { return m_rowCount; }
    int GetColumnCount() const { return m_columnCount; }
    int GetRowsPerPage() const { return m_rowsPerPage; }
    int GetHeaderHeight() const { return m_headerHeight; }
    int GetRowHeight() const { return m_rowHeight; }
    unsigned GetTextStyle() const { return m_textStyle; }

    // Paging.
    int GetPageFirstRow() const { return m_pageStack[m_pageTop]; }
    bool IsFirstPage() const { return GetPageFirstRow() == 0; }
    bool IsLastPage() const { return GetPageFirstRow() + m_rowsPerPage >= m_rowCount; }
    int PageDown(int redrawMode);
    int PageUp(int redrawMode);
    void ShowRow(int row, int redrawMode);
    int PageStackTop() const { return m_pageTop; }

    // Selection.
    void SelectRow(int row, int redrawMode);
    void SelectAll(int flag);
    int GetSelectedRow() const;
    int GetSelectedCount() const { return m_selectedCount; }
    bool IsRowSelected(int row) const;
    int HitTest(int x, int y, int& row, int graphForm);

    // Graph form.
    void Reset();
    void ClearSamples();
    SAMPLE_NODE* AppendSample(int row, const char* text);
    int CountGraphRowsOnPage(int firstRow) const;
    void SetPageBase(int row) { m_pageBase = row; }
    int GetPageBase() const { return m_pageBase; }
    void SetRowAlert(int row, int flag);
    bool RowAlert(int row) const { return row >= 0 && row < kMaxRows && m_alert[row]; }
    int GetLiveDataPageRows() const { return m_livePageRows; }
    void SetLiveDataPageRows(int count) { m_livePageRows = count; }
    GRAPH_RECORD* GraphRecord(int row);
    void SetFreeze(bool frozen) { m_frozen = frozen; }
    bool IsFrozen() const { return m_frozen; }
    void SetRecount(bool recount) { m_recount = recount; }
    void SetGraphForm(bool graphForm) { m_graphForm = graphForm; }
    int CurrentGraphRow() const { return m_currentGraphRow; }
    // No row is the chosen row of the graph form any more.
    void ForgetCurrentGraphRow();

    // Drawing.
    void Redraw(int redrawMode);
    void DrawGraph(int redrawMode, int sampleLimit);

    const ENGINE_AREA& Area() const { return m_area; }
    std::vector<int> RowBottoms() const { return m_rowBottoms; }

    // Shared by every engine.
    static int BaseRowHeight() { return s_baseRowHeight; }
    static void SetBaseRowHeight(int height) { s_baseRowHeight = height; }
    static int GraphRowCount() { return s_graphRowCount; }
    static void SetGraphRowCount(int count);
    // max(base row height, 23): the row height of the graph form.
    static int EffectiveRowHeight();

private:
    using CELL = std::array<wchar_t, kCellChars + 1>;
    struct TABLE {
        std::array<std::array<CELL, kMaxColumns>, kMaxRows> cells;
        std::array<CELL, kMaxColumns> header;
    };
    using ROW_LINES = std::array<std::vector<TEXT_LINE>, kMaxColumnWidths>;
    static constexpr uint32_t kNoFill = 0xFFFFFFFFu;

    std::wstring_view CellText(int row, int column) const;
    int ColumnLeft(int column) const;
    ROW_LINES WrapRow(int row) const;
    bool RowFits(const ROW_LINES& lines, int y) const;
    uint32_t RowFill(int row, bool marked, bool markOrange) const;
    int EmitRow(int row, const ROW_LINES& lines, int y, uint32_t fill, uint32_t textColour, DRAW_LIST* out) const;
    void ComposeFrame(DRAW_LIST& picture) const;
    void LayOutTable(DRAW_LIST* picture);
    void DrawSeparators(DRAW_LIST& picture) const;
    void DrawPlot(DRAW_LIST& picture, GRAPH_RECORD& record, int baseLine, int sampleLimit) const;
    void ForgetPagesAbove();
    void ClearRecord(GRAPH_RECORD& record, short textHeight, short drawnHeight);
    void FindPageForRow(int row);

    IMultiCtrlHost& m_host;
    ITableCanvas& m_canvas;
    std::unique_ptr<TABLE> m_table;
    std::unique_ptr<std::array<GRAPH_RECORD, kMaxRows>> m_records;

    int m_currentGraphRow = kNoGraphRow;
    bool m_frozen = false;
    bool m_recount = false;
    bool m_graphForm = false;
    int m_rowHeight = 0;
    int m_rowsPerPage = 0;
    int m_pageBase = 0;
    int m_livePageRows = 0;
    ENGINE_AREA m_area;
    int m_pageTop = 0;
    std::array<int, kPageStackSize> m_pageStack = {};
    int m_rowCount = 0;
    int m_columnCount = 0;
    std::array<int, kMaxColumnWidths> m_columnWidths = {};
    std::vector<int> m_rowBottoms;
    int m_headerHeight = 0;
    unsigned m_textStyle = kStyleLeft;
    bool m_multiSelect = false;
    int m_selectionLimit = 0;
    std::array<bool, kMaxRows> m_selected = {};
    std::array<bool, kMaxRows> m_alert = {};
    int m_selectedCount = 0;

    static inline int s_baseRowHeight = 1;
    static inline int s_graphRowCount = 0;
};
