#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../frame/FrameFixture.h"
#include "EngineFakes.h"
#include "FrameWindow.h"
#include "MultiCtrl.h"
#include "ProcessValues.h"
#include "StringResources.h"

namespace {

using engine_test::CFakeHost;

// Lets every queued message (paints above all) happen.
void Pump()
{
    for (int i = 0; i < 10; ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
    }
}

COLORREF PixelOf(HWND window, int x, int y)
{
    CClientDc dc(window);
    return GetPixel(dc.Get(), x, y);
}

constexpr COLORREF kHeaderBand = RGB(0xA5, 0xA5, 0xA5);
constexpr COLORREF kOddRow = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kEvenRow = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kOrange = RGB(0xFF, 0x78, 0x00);
constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);

// The engine in a plain window that stands for a diagnosis screen: its window at (10, 20), 600 x 400.
class MultiCtrlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResFreeStrings();
        ResSetDbFormat(0);
        CMultiCtrl::SetBaseRowHeight(1);
        CMultiCtrl::SetGraphRowCount(0);
        ASSERT_TRUE(view.CreateFrame(L"engine test", WS_POPUP | WS_VISIBLE, RECT{0, 0, 700, 500}));
        ASSERT_EQ(engine.Attach(kPlace, view.Handle()), 1);
    }
    void TearDown() override
    {
        CMultiCtrl::SetGraphRowCount(0);
        ResSetDbFormat(0);
    }

    // Three columns with a title each and `rows` rows of text in every cell.
    void FillTable(int rows)
    {
        engine.SetColumns(3, -1);
        for (int column = 0; column < 3; ++column)
            engine.SetHeaderText(column, (L"Title " + std::to_wstring(column)).c_str(), -1);
        engine.SetRowCount(rows);
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < 3; ++column)
                engine.SetCellText(row, column, (L"r" + std::to_wstring(row)).c_str(), -1);
        }
    }

    // A point near the right edge of the window, in a row's band, away from its text.
    COLORREF RowPixel(int row) { return PixelOf(engine.Window(), 595, 37 + row * 38 + 19); }

    static constexpr RECT kPlace = {10, 20, 610, 420};
    CFakeHost host;
    CFrameWindow view;
    CMultiCtrl engine{host};
};

TEST_F(MultiCtrlWindowTest, AttachPlacesAVisibleStaticChildAndSetsTheTableUp)
{
    const HWND child = engine.Window();
    ASSERT_TRUE(IsWindow(child));
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(GetDlgCtrlID(child), CMultiCtrl::kChildId);
    EXPECT_EQ(GetParent(child), view.Handle());
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    EXPECT_STREQ(className, L"Static");
    RECT placed = {};
    GetWindowRect(child, &placed);
    MapWindowPoints(nullptr, view.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_TRUE(EqualRect(&placed, &kPlace));
    const RECT area = engine.Area();
    EXPECT_TRUE(EqualRect(&area, &kPlace));
    EXPECT_EQ(engine.GetColumnCount(), 1);
    EXPECT_EQ(engine.GetColumnWidth(0), 600);

    // A second Attach replaces the window and clears the table.
    FillTable(5);
    ASSERT_EQ(engine.Attach(RECT{0, 0, 300, 200}, view.Handle()), 1);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(IsWindow(engine.Window()));
    EXPECT_EQ(engine.GetRowCount(), 0);
    EXPECT_EQ(engine.GetColumnWidth(0), 300);
}

TEST_F(MultiCtrlWindowTest, AttachFailsWithoutAParentWindow)
{
    CMultiCtrl orphan(host);
    EXPECT_EQ(orphan.Attach(kPlace, reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234))), 0);
    EXPECT_EQ(orphan.Window(), nullptr);
    EXPECT_EQ(orphan.Show(1), 0);
    EXPECT_EQ(orphan.SetRect(kPlace), 0);
}

TEST_F(MultiCtrlWindowTest, RedrawPaintsHeaderRowsAndTheSelectedRow)
{
    FillTable(20);
    engine.SelectRow(2, -1);
    engine.Redraw(1);
    Pump();
    EXPECT_EQ(engine.GetRowsPerPage(), 9);
    EXPECT_EQ(PixelOf(engine.Window(), 595, 18), kHeaderBand);
    EXPECT_EQ(RowPixel(0), kEvenRow);
    EXPECT_EQ(RowPixel(1), kOddRow);
    EXPECT_EQ(RowPixel(2), kOrange);
    EXPECT_EQ(PixelOf(engine.Window(), 3, 37 + 2 * 38 + 19), kOrange) << "the mark spans the row";
    EXPECT_EQ(RowPixel(3), kOddRow);

    // Some text is drawn in the first cell of row 0: a dark pixel among its first characters.
    bool dark = false;
    for (int x = 10; x < 60 && !dark; ++x) {
        for (int y = 37 + 10; y < 37 + 28 && !dark; ++y)
            dark = GetRValue(PixelOf(engine.Window(), x, y)) < 100;
    }
    EXPECT_TRUE(dark);
}

TEST_F(MultiCtrlWindowTest, KeepsItsPictureThroughExposesAndHiding)
{
    FillTable(20);
    engine.SelectRow(1, 1);
    Pump();
    ASSERT_EQ(RowPixel(1), kOrange);
    InvalidateRect(engine.Window(), nullptr, TRUE);
    UpdateWindow(engine.Window());
    Pump();
    EXPECT_EQ(RowPixel(1), kOrange) << "an expose repaints the kept picture";

    EXPECT_EQ(engine.Show(0), 1);
    EXPECT_FALSE(IsWindowVisible(engine.Window()));
    EXPECT_EQ(engine.Show(1), 1);
    Pump();
    EXPECT_TRUE(IsWindowVisible(engine.Window()));
    EXPECT_EQ(RowPixel(1), kOrange);

    engine.Show(0);
    engine.Refresh();
    EXPECT_TRUE(IsWindowVisible(engine.Window())) << "a repaint shows a hidden table";
}

TEST_F(MultiCtrlWindowTest, ModeZeroLaysOutWithoutPainting)
{
    FillTable(20);
    engine.Redraw(1);
    Pump();
    ASSERT_EQ(RowPixel(1), kOddRow);
    engine.SelectRow(1, 0);
    Pump();
    EXPECT_EQ(RowPixel(1), kOddRow) << "not painted yet";
    engine.Redraw(1);
    Pump();
    EXPECT_EQ(RowPixel(1), kOrange);
}

TEST_F(MultiCtrlWindowTest, SetRectMovesTheWindowAndStartsAtTheFirstPage)
{
    FillTable(30);
    engine.Redraw(1);
    engine.PageDown(1);
    ASSERT_EQ(engine.GetPageFirstRow(), 9);
    ASSERT_EQ(engine.SetRect(RECT{50, 60, 450, 300}), 1);
    EXPECT_EQ(engine.GetPageFirstRow(), 0);
    RECT placed = {};
    GetWindowRect(engine.Window(), &placed);
    MapWindowPoints(nullptr, view.Handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 50);
    EXPECT_EQ(placed.bottom, 300);
    EXPECT_EQ(engine.GetRowsPerPage(), 5) << "(240 - 37) / 38 rows";
}

TEST_F(MultiCtrlWindowTest, HitTestTakesViewCoordinates)
{
    FillTable(20);
    engine.Redraw(1);
    int row = -1;
    EXPECT_EQ(engine.HitTest(kPlace.left + 100, kPlace.top + 37 + 38 + 5, row, 0), 1);
    EXPECT_EQ(row, 1);
    EXPECT_TRUE(engine.IsRowSelected(1));
    Pump();
    EXPECT_EQ(RowPixel(1), kOrange);
}

TEST_F(MultiCtrlWindowTest, NarrowCellTextsAreDecodedAsTheProgramSetsThem)
{
    engine.SetRowCount(2);
    EXPECT_EQ(engine.SetCellTextA(0, 0, "Gr\xC3\xBC\xC3\x9F", -1), 1);
    EXPECT_STREQ(engine.GetCellText(0, 0), L"Gr\u00FC\u00DF");
    EXPECT_EQ(engine.SetCellTextA(1, 0, nullptr, -1), 0);
    ResSetDbFormat(2);
    EXPECT_EQ(engine.SetCellTextA(1, 0, "abc", -1), 0) << "no decoding for an unknown DBFORMAT";
    EXPECT_STREQ(engine.GetCellText(1, 0), L"");
}

TEST_F(MultiCtrlWindowTest, DrawGraphPaintsTheRedDotOnTheNewestSample)
{
    CMultiCtrl::SetGraphRowCount(3);
    engine.Reset();
    engine.SetColumns(3, -1);
    engine.SetRowCount(3);
    for (int row = 0; row < 3; ++row)
        engine.SetCellText(row, 0, L"Engine speed", -1);
    GRAPH_RECORD* record = engine.GraphRecord(0);
    ASSERT_NE(record, nullptr);
    record->graphShown = 1;
    record->textHeight = 4 * 23;
    for (const char* sample : {"800", "950", "870", "1200"})
        ASSERT_NE(engine.AppendSample(0, sample), nullptr);
    engine.GraphRecord(2)->marked = 1;
    engine.SetGraphForm(true);
    engine.SetRecount(true);
    engine.DrawGraph(1, -1);
    Pump();
    // Row 0's band: from the header (37) to its text at 106; the newest sample is the maximum.
    EXPECT_EQ(PixelOf(engine.Window(), 80, 106 - 64), kRed);
    EXPECT_EQ(PixelOf(engine.Window(), 300, 80), kEvenRow) << "the plot's background";
    EXPECT_EQ(PixelOf(engine.Window(), 595, 106 + 23 + 23 + 12), kOrange) << "the marked row";
    EXPECT_EQ(engine.GetLiveDataPageRows(), 3);
}

// The program's host, in a main frame: the wave key of the soft-button row follows the graph row
// chosen by a click.
class MultiCtrlProgramHostTest : public MainFrameTest {};

TEST_F(MultiCtrlProgramHostTest, AClickInTheGraphFormSetsTheWaveKey)
{
    frame->SwitchView(137, 1);
    EXPECT_EQ(ProgramMultiCtrlHost().ActiveViewId(), 137);
    EXPECT_FALSE(ProgramMultiCtrlHost().IsLiveDataActive());
    CButtonBar& row = frame->ButtonBar();
    row.RemoveAllButtons();
    row.AddButton(3010);
    CBmpBtn* key = row.GetButton(3010);
    ASSERT_NE(key, nullptr);
    key->SetText(L"before");

    CMultiCtrl engine;
    CFormViewEx* view = frame->ActiveViewEx();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(engine.Attach(RECT{0, 0, 600, 400}, view->Handle()), 1);
    CMultiCtrl::SetGraphRowCount(5);
    engine.Reset();
    engine.SetRowCount(5);
    engine.GraphRecord(1)->graphShown = 1;
    engine.GraphRecord(1)->textHeight = 4 * 23;
    engine.GraphRecord(2)->graphUnavailable = 1;

    struct CLICK {
        int y;
        int row;
        bool enabled;
        const wchar_t* caption;
    };
    const CLICK clicks[] = {
        {37 + 10, 0, true, L"Wave"},
        {37 + 23 + 50, 1, true, L"Data stream"},
        {37 + 23 + 92 + 10, 2, false, L"Wave"},
    };
    for (const CLICK& click : clicks) {
        int chosen = -1;
        EXPECT_EQ(engine.HitTest(100, click.y, chosen, 1), 1);
        EXPECT_EQ(chosen, click.row);
        EXPECT_EQ(key->IsEnabled(), click.enabled) << click.row;
        EXPECT_EQ(key->GetText(), click.caption) << click.row;
    }
    CMultiCtrl::SetGraphRowCount(0);

    frame->SwitchView(161, 1);
    EXPECT_TRUE(ProgramMultiCtrlHost().IsLiveDataActive());
    EXPECT_EQ(ProgramMultiCtrlHost().LiveDataRowLimit(), 0) << "the live-data screen holds no rows yet";
    EXPECT_FALSE(ProgramMultiCtrlHost().LiveDataPagedByProgram());
    EXPECT_EQ(ProgramMultiCtrlHost().LiveDataRowNames(), nullptr);
}

}  // namespace
