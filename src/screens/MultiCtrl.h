#pragma once
// The drawing engine behind every diagnosis screen: a fixed table of wide-text cells (300 rows x 6
// columns of at most 255 characters) with a header, paging, row marks and hit testing, drawn
// double-buffered into one child window of the screen; and, for the live-data screen and its
// replay, a graph form in which each row carries a bounded list of samples drawn as a curve.
//
// Every operation that changes what is shown takes a redraw mode: 1 repaints at once, 0 lays the
// table out without painting, -1 does nothing more. Operations return 1 when done, 0 when refused.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

// The host interface and the graph records are declared without windows.h: the engine's layout
// (TableEngine.h) builds into the platform-free core.
#include "GraphSamples.h"
#include "MultiCtrlHost.h"
#include "ScopedWin.h"

// The host of the running program.
IMultiCtrlHost& ProgramMultiCtrlHost();

class CMultiCtrl {
public:
    static constexpr int kMaxRows = 300;
    static constexpr int kMaxColumns = 6;
    static constexpr int kMaxColumnWidths = 10;
    static constexpr int kCellChars = 255;
    static constexpr int kChildId = 1234;
    static constexpr int kNoGraphRow = 301;

    explicit CMultiCtrl(IMultiCtrlHost& host = ProgramMultiCtrlHost());
    ~CMultiCtrl();
    CMultiCtrl(const CMultiCtrl&) = delete;
    CMultiCtrl& operator=(const CMultiCtrl&) = delete;

    // Set-up and content.
    void Init();
    int Attach(const RECT& rect, HWND view);
    int SetRect(const RECT& rect);
    int Show(int flag);
    void Clear();
    int AddRow();
    int SetRowCount(int count);
    int SetColumns(int count, int redrawMode);
    int SetColumnWidths(int column, int width, int redrawMode);
    int SetHeaderHeight(int height, int redrawMode);
    int SetRowHeight(int height, int redrawMode);
    int SetStyle(int type, int redrawMode);
    int SetMode(int multiSelect, int redrawMode);
    void SetMaxSelection(int count);
    int SetHeaderText(int column, const wchar_t* text, int redrawMode);
    int SetCellText(int row, int column, const wchar_t* text, int redrawMode, int graphDraw = 0);
    int SetCellTextA(int row, int column, const char* text, int redrawMode, int graphDraw = 0);
    const wchar_t* GetCellText(int row, int column) const;
    const wchar_t* GetColumnTitle(int column) const;
    int GetColumnWidth(int column) const;
    int GetRowCount() const;
    int GetColumnCount() const;
    int GetRowsPerPage() const;

    // Paging.
    int GetPageFirstRow() const;
    bool IsFirstPage() const;
    bool IsLastPage() const;
    int PageDown(int redrawMode);
    int PageUp(int redrawMode);
    void ShowRow(int row, int redrawMode);

    // Selection.
    void SelectRow(int row, int redrawMode);
    void SelectAll(int flag);
    int GetSelectedRow() const;
    int GetSelectedCount() const;
    bool IsRowSelected(int row) const;
    // x and y in the view's coordinates; 1 when a row was chosen.
    int HitTest(int x, int y, int& row, int graphForm);

    // Graph form.
    void Reset();
    void ClearSamples();
    SAMPLE_NODE* AppendSample(int row, const char* text);
    static int ParseSampleValue(const char* text);
    int CountGraphRowsOnPage(int firstRow) const;
    void SetPageBase(int row);
    int GetPageBase() const;
    void SetRowAlert(int row, int flag);
    int GetLiveDataPageRows() const;
    void SetLiveDataPageRows(int count);
    GRAPH_RECORD* GraphRecord(int row);  // null beyond 300
    void SetFreeze(bool frozen);
    void SetRecount(bool recount);
    void SetGraphForm(bool graphForm);
    int CurrentGraphRow() const;
    void ForgetCurrentGraphRow();

    // Drawing.
    void Redraw(int redrawMode);
    void Refresh();
    void DrawGraph(int redrawMode, int sampleLimit);

    HWND Window() const;
    RECT Area() const;
    // The bottom edges of the rows drawn on the current page, in drawing order.
    std::vector<int> RowBottoms() const;

    // Shared by every engine: the live-data screen's base row height and the number of graph rows
    // in use (live data, replay and the input screen write it).
    static int BaseRowHeight();
    static void SetBaseRowHeight(int height);
    static int GraphRowCount();
    static void SetGraphRowCount(int count);

private:
    struct State;
    IMultiCtrlHost& m_host;
    std::unique_ptr<State> m_state;
};
