#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "EngineFakes.h"
#include "TableEngine.h"

namespace {

using engine_test::ENGINE_RIG;
using engine_test::FillAt;
using engine_test::TextsOf;

// The rig's window: 640 x 400 at (20, 50); header 37, rows 38: nine one-line rows a page, with
// bottoms 75, 113, ... 379 inside the window.
constexpr int kLeft = 20;
constexpr int kTop = 50;

int ViewY(int windowY)
{
    return kTop + windowY;
}

struct REFUSAL_CASE {
    const char* name;
    std::function<int(ENGINE_RIG&)> act;
    int expected;
};

TEST(TableEngine, RefusesWhatDoesNotFit)
{
    const REFUSAL_CASE cases[] = {
        {"a 301st row", [](ENGINE_RIG& rig) { rig->SetRowCount(300); return rig->AddRow(); }, 0},
        {"the 300th row", [](ENGINE_RIG& rig) { rig->SetRowCount(299); return rig->AddRow(); }, 1},
        {"301 rows at once", [](ENGINE_RIG& rig) { return rig->SetRowCount(301); }, 0},
        {"a negative row count", [](ENGINE_RIG& rig) { return rig->SetRowCount(-1); }, 0},
        {"300 rows at once", [](ENGINE_RIG& rig) { return rig->SetRowCount(300); }, 1},
        {"no columns", [](ENGINE_RIG& rig) { return rig->SetColumns(0, 0); }, 0},
        {"eleven columns", [](ENGINE_RIG& rig) { return rig->SetColumns(11, 0); }, 0},
        {"ten columns", [](ENGINE_RIG& rig) { return rig->SetColumns(10, 0); }, 1},
        {"a cell while seven columns are set",
         [](ENGINE_RIG& rig) { rig->SetColumns(7, 0); rig->SetRowCount(1); return rig->SetCellText(0, 0, L"x", -1); }, 0},
        {"a cell once six columns are set again",
         [](ENGINE_RIG& rig) {
             rig->SetColumns(7, 0);
             rig->SetColumns(6, 0);
             rig->SetRowCount(1);
             return rig->SetCellText(0, 5, L"x", -1);
         },
         1},
        {"a cell beyond the row count", [](ENGINE_RIG& rig) { rig->SetRowCount(2); return rig->SetCellText(2, 0, L"x", -1); }, 0},
        {"a cell beyond the column count", [](ENGINE_RIG& rig) { rig->SetRowCount(2); return rig->SetCellText(0, 1, L"x", -1); }, 0},
        {"a cell at a negative row", [](ENGINE_RIG& rig) { rig->SetRowCount(2); return rig->SetCellText(-1, 0, L"x", -1); }, 0},
        {"a null cell text", [](ENGINE_RIG& rig) { rig->SetRowCount(2); return rig->SetCellText(0, 0, nullptr, -1); }, 0},
        {"a header text of column 6", [](ENGINE_RIG& rig) { return rig->SetHeaderText(6, L"x", -1); }, 0},
        {"a null header text", [](ENGINE_RIG& rig) { return rig->SetHeaderText(0, nullptr, -1); }, 0},
        {"a header text of column 5", [](ENGINE_RIG& rig) { return rig->SetHeaderText(5, L"x", -1); }, 1},
        {"a header taller than the area", [](ENGINE_RIG& rig) { return rig->SetHeaderHeight(401, 0); }, 0},
        {"a header as tall as the area", [](ENGINE_RIG& rig) { return rig->SetHeaderHeight(400, 0); }, 1},
        {"a row taller than the area", [](ENGINE_RIG& rig) { return rig->SetRowHeight(401, 0); }, 0},
        {"a row of no height", [](ENGINE_RIG& rig) { return rig->SetRowHeight(0, 0); }, 0},
        {"a row height once the area is below the header",
         [](ENGINE_RIG& rig) { rig->SetRect(ENGINE_AREA{0, 0, 640, 30}); return rig->SetRowHeight(20, 0); }, 0},
        {"style 3", [](ENGINE_RIG& rig) { return rig->SetStyle(3, 0); }, 0},
        {"style 2", [](ENGINE_RIG& rig) { return rig->SetStyle(2, 0); }, 1},
        {"column widths without columns", [](ENGINE_RIG& rig) { rig->Init(); return rig->SetColumnWidths(0, 10, 0); }, 0},
        {"a rectangle without a window",
         [](ENGINE_RIG& rig) { rig.canvas.window = false; return rig->SetRect(ENGINE_AREA{0, 0, 10, 10}); }, 0},
    };
    for (const REFUSAL_CASE& test : cases) {
        ENGINE_RIG rig;
        EXPECT_EQ(test.act(rig), test.expected) << test.name;
    }
}

TEST(TableEngine, ARefusedOperationChangesNothing)
{
    ENGINE_RIG rig;
    rig->SetRowCount(300);
    rig->AddRow();
    EXPECT_EQ(rig->GetRowCount(), 300);
    rig->SetCellText(0, 0, L"kept", -1);
    rig->SetCellText(0, 0, nullptr, -1);
    EXPECT_STREQ(rig->GetCellText(0, 0), L"kept");
    rig->SetStyle(1, 0);
    rig->SetStyle(7, 0);
    EXPECT_EQ(rig->GetTextStyle(), CTableEngine::kStyleCentre);
    rig->SetColumns(11, 0);
    EXPECT_EQ(rig->GetColumnCount(), 1);
    EXPECT_EQ(rig->GetHeaderHeight(), 37);
    EXPECT_EQ(rig->GetRowHeight(), 38);

    ENGINE_RIG narrow(ENGINE_AREA{0, 0, 0, 400});
    EXPECT_EQ(narrow->SetColumns(1, 0), 0) << "an area without width";
}

TEST(TableEngine, ReadsCellsTitlesAndWidthsOnlyInsideTheTable)
{
    ENGINE_RIG rig;
    rig->SetColumns(3, 0);
    rig->SetRowCount(2);
    rig->SetHeaderText(1, L"Value", -1);
    rig->SetCellText(1, 2, L"km/h", -1);
    EXPECT_STREQ(rig->GetCellText(1, 2), L"km/h");
    EXPECT_STREQ(rig->GetCellText(0, 0), L"");
    EXPECT_EQ(rig->GetCellText(2, 0), nullptr);
    EXPECT_EQ(rig->GetCellText(0, 3), nullptr);
    EXPECT_EQ(rig->GetCellText(-1, 0), nullptr);
    EXPECT_STREQ(rig->GetColumnTitle(1), L"Value");
    EXPECT_EQ(rig->GetColumnTitle(3), nullptr);
    EXPECT_EQ(rig->GetColumnWidth(2), 213);
    EXPECT_EQ(rig->GetColumnWidth(3), 0);

    rig->SetColumns(8, 0);
    EXPECT_EQ(rig->GetColumnTitle(6), nullptr) << "only six titles exist";
    EXPECT_EQ(rig->GetColumnWidth(7), 80);
}

TEST(TableEngine, CutsEveryTextTo255Characters)
{
    ENGINE_RIG rig;
    rig->SetColumns(3, 0);
    rig->SetRowCount(1);
    const std::wstring longText(1000, L'x');
    EXPECT_EQ(rig->SetCellText(0, 2, longText.c_str(), -1), 1);
    EXPECT_EQ(std::wstring(rig->GetCellText(0, 2)), std::wstring(255, L'x'));
    EXPECT_EQ(std::wstring(rig->GraphRecord(0)->valueText), std::wstring(255, L'x'));
    rig->SetHeaderText(0, longText.c_str(), -1);
    EXPECT_EQ(std::wstring(rig->GetColumnTitle(0)).size(), 255u);
    if constexpr (sizeof(wchar_t) == 2) {
        // A pair of surrogates is never split by the cut.
        const std::wstring pair = std::wstring(254, L'a') + L"\xD83D\xDE00" + L"tail";
        rig->SetCellText(0, 0, pair.c_str(), -1);
        EXPECT_EQ(std::wstring(rig->GetCellText(0, 0)), std::wstring(254, L'a'));
    }
}

TEST(TableEngine, SetsColumnWidthsAgainstTheirNeighbour)
{
    struct WIDTH_CASE {
        const char* name;
        int columns, column, width;
        std::vector<int> widths;
    };
    const WIDTH_CASE cases[] = {
        {"the next column takes the difference", 3, 0, 100, {100, 326, 213}},
        {"the last column gives it to the one before", 3, 2, 200, {213, 226, 200}},
        {"a column beyond the last is the last", 3, 5, 200, {213, 226, 200}},
        {"wider than the area is the area", 3, 1, 1000, {213, 640, 213}},
        {"one column is always the whole area", 1, 0, 50, {640}},
    };
    for (const WIDTH_CASE& test : cases) {
        ENGINE_RIG rig;
        rig->SetColumns(test.columns, 0);
        EXPECT_EQ(rig->SetColumnWidths(test.column, test.width, 0), 1) << test.name;
        std::vector<int> widths;
        for (int column = 0; column < test.columns; ++column)
            widths.push_back(rig->GetColumnWidth(column));
        EXPECT_EQ(widths, test.widths) << test.name;
    }
}

TEST(TableEngine, CopiesColumnTwoIntoTheGraphRecordOfItsPage)
{
    ENGINE_RIG rig;
    rig->SetColumns(3, 0);
    rig->SetRowCount(5);
    rig->SetPageBase(10);
    rig->SetCellText(1, 2, L"12.5", -1);
    EXPECT_STREQ(rig->GraphRecord(11)->valueText, L"12.5");
    rig->SetPageBase(299);
    EXPECT_EQ(rig->SetCellText(1, 2, L"9", -1), 1) << "record 300 does not exist; the cell is still set";
    EXPECT_STREQ(rig->GetCellText(1, 2), L"9");
    EXPECT_EQ(rig->GraphRecord(300), nullptr);
    EXPECT_EQ(rig->GraphRecord(-1), nullptr);
}

TEST(TableEngine, RedrawModesLayOutPaintOrDoNothing)
{
    ENGINE_RIG rig;
    rig.Rows(30);
    rig->Redraw(-1);
    EXPECT_EQ(rig->GetRowsPerPage(), 0);
    rig->Redraw(0);
    EXPECT_EQ(rig->GetRowsPerPage(), 9);
    EXPECT_TRUE(rig.canvas.pictures.empty()) << "mode 0 lays out without painting";
    rig->Redraw(1);
    ASSERT_EQ(rig.canvas.pictures.size(), 1u);
    EXPECT_EQ(rig.LastPicture().width, 640);
    EXPECT_EQ(rig.LastPicture().height, 400);

    rig.host.liveDataActive = true;
    rig->Redraw(1);
    EXPECT_EQ(rig.canvas.pictures.size(), 1u) << "the live-data screen draws its own graph";

    ENGINE_RIG windowless;
    windowless.canvas.window = false;
    windowless.Rows(30);
    windowless->Redraw(1);
    EXPECT_EQ(windowless->GetRowsPerPage(), 0);
    EXPECT_TRUE(windowless.canvas.pictures.empty());
}

// Page walks: the first row and the result after each step.
struct PAGE_STEP {
    enum { Down, Up } direction;
    int result;
    int firstRow;
};

TEST(TableEngine, PagesThroughAStackOfPageStarts)
{
    ENGINE_RIG rig;
    rig.Rows(30);
    rig->Redraw(1);
    EXPECT_TRUE(rig->IsFirstPage());
    EXPECT_FALSE(rig->IsLastPage());
    const PAGE_STEP steps[] = {
        {PAGE_STEP::Down, 1, 9},  {PAGE_STEP::Down, 1, 18}, {PAGE_STEP::Down, 0, 27},
        {PAGE_STEP::Down, 0, 27},  // nothing left: nothing moves
        {PAGE_STEP::Up, 1, 18},   {PAGE_STEP::Up, 1, 9},    {PAGE_STEP::Up, 0, 0},
        {PAGE_STEP::Up, 0, 0},     // already on the first page
        {PAGE_STEP::Down, 1, 9},
    };
    for (const PAGE_STEP& step : steps) {
        const int result = step.direction == PAGE_STEP::Down ? rig->PageDown(1) : rig->PageUp(1);
        EXPECT_EQ(result, step.result);
        EXPECT_EQ(rig->GetPageFirstRow(), step.firstRow);
    }
    rig->PageDown(1);
    rig->PageDown(1);
    EXPECT_TRUE(rig->IsLastPage());
    EXPECT_EQ(rig->GetRowsPerPage(), 3);
}

TEST(TableEngine, DoesNotPageATableThatFits)
{
    ENGINE_RIG rig;
    rig.Rows(5);
    rig->Redraw(1);
    EXPECT_TRUE(rig->IsLastPage());
    EXPECT_EQ(rig->PageDown(1), 0);
    EXPECT_EQ(rig->GetPageFirstRow(), 0);
    EXPECT_EQ(rig->PageUp(1), 0);
}

TEST(TableEngine, PagingWhileTheLiveDataScreenIsActivePaintsNothing)
{
    ENGINE_RIG rig;
    rig.Rows(30);
    rig->Redraw(1);
    rig.host.liveDataActive = true;
    const size_t painted = rig.canvas.pictures.size();
    EXPECT_EQ(rig->PageDown(1), 1);
    EXPECT_EQ(rig->GetPageFirstRow(), 9);
    EXPECT_EQ(rig->PageUp(1), 0);
    EXPECT_EQ(rig.canvas.pictures.size(), painted);
}

TEST(TableEngine, ForgetsRecordedPageStartsWhenTheContentOrAreaChanges)
{
    // The old list recorded pages at 0, 9 and 18. The new list has three-line rows: three a page.
    const std::wstring threeLines = L"a\nb\nc";
    for (const bool throughSetRect : {false, true}) {
        ENGINE_RIG rig;
        rig.Rows(30);
        rig->Redraw(1);
        rig->PageDown(1);
        rig->PageDown(1);
        if (throughSetRect) {
            rig->SetRect(ENGINE_AREA{kLeft, kTop, 640, 400});
            for (int row = 0; row < 30; ++row)
                rig->SetCellText(row, 0, threeLines.c_str(), -1);
        } else {
            rig->Clear();
            rig.Rows(30, threeLines.c_str());
        }
        EXPECT_EQ(rig->GetPageFirstRow(), 0);
        rig->Redraw(1);
        EXPECT_EQ(rig->GetRowsPerPage(), 3);
        EXPECT_EQ(rig->PageDown(1), 1);
        EXPECT_EQ(rig->GetPageFirstRow(), 3) << "rows 3 to 8 must not be skipped"
                                             << (throughSetRect ? " (SetRect)" : " (Clear)");
    }
}

TEST(TableEngine, ShowsARowAsTheFirstOfItsPage)
{
    struct SHOW_CASE {
        const char* name;
        int rows;
        int pageDownsBefore;
        int row;
        int firstRow;
        int afterPageUp;
    };
    const SHOW_CASE cases[] = {
        {"a row on a later page", 30, 0, 20, 20, 18},
        {"the start of a page", 30, 0, 9, 9, 0},
        {"a row of the first page", 30, 0, 0, 0, 0},
        {"a row before the page shown", 30, 2, 4, 4, 0},
        {"a row of a table that fits one page", 8, 0, 5, 5, 0},
    };
    for (const SHOW_CASE& test : cases) {
        ENGINE_RIG rig;
        rig.Rows(test.rows);
        rig->Redraw(1);
        for (int i = 0; i < test.pageDownsBefore; ++i)
            rig->PageDown(1);
        rig->ShowRow(test.row, 1);
        EXPECT_EQ(rig->GetPageFirstRow(), test.firstRow) << test.name;
        rig->PageUp(1);
        EXPECT_EQ(rig->GetPageFirstRow(), test.afterPageUp) << test.name << ": Page Up";
    }

    ENGINE_RIG rig;
    rig.Rows(30);
    rig->Redraw(1);
    const size_t painted = rig.canvas.pictures.size();
    rig->ShowRow(30, 1);
    EXPECT_EQ(rig->GetPageFirstRow(), 0) << "a row beyond the table is ignored";
    EXPECT_EQ(rig.canvas.pictures.size(), painted);
}

TEST(TableEngine, ShowRowOnTheLiveDataScreenDrawsTheGraph)
{
    ENGINE_RIG rig;
    rig.Rows(30);
    rig->Redraw(1);
    rig.host.liveDataActive = true;
    const size_t painted = rig.canvas.pictures.size();
    rig->ShowRow(0, 1);
    EXPECT_EQ(rig.canvas.pictures.size(), painted + 1);
}

TEST(TableEngine, SelectsRows)
{
    ENGINE_RIG rig;
    rig.Rows(10);
    rig->SelectRow(3, 1);
    rig->SelectRow(5, 1);
    EXPECT_EQ(rig->GetSelectedRow(), 5);
    EXPECT_EQ(rig->GetSelectedCount(), 1);
    EXPECT_FALSE(rig->IsRowSelected(3));

    const size_t painted = rig.canvas.pictures.size();
    rig->SelectRow(10, 1);
    EXPECT_EQ(rig->GetSelectedRow(), 5) << "a row equal to the row count does nothing";
    EXPECT_EQ(rig.canvas.pictures.size(), painted) << "and draws nothing";

    for (const int clearing : {0x8000, -1}) {
        rig->SelectRow(5, -1);
        rig->SelectRow(clearing, 1);
        EXPECT_EQ(rig->GetSelectedCount(), 0) << clearing;
        EXPECT_EQ(rig->GetSelectedRow(), 10) << "none selected: the row count";
        EXPECT_FALSE(rig->IsRowSelected(5));
    }

    rig->SetMode(1, -1);
    rig->SelectRow(2, -1);
    rig->SelectRow(4, -1);
    EXPECT_EQ(rig->GetSelectedCount(), 2);
    EXPECT_TRUE(rig->IsRowSelected(2));
    EXPECT_TRUE(rig->IsRowSelected(4));
    rig->SelectRow(2, -1);
    EXPECT_EQ(rig->GetSelectedCount(), 3) << "multi-select counts every call, even on a marked row";

    rig->SelectAll(1);
    EXPECT_EQ(rig->GetSelectedCount(), 10);
    EXPECT_TRUE(rig->IsRowSelected(9));
    rig->SelectAll(0);
    EXPECT_EQ(rig->GetSelectedCount(), 0);
    EXPECT_FALSE(rig->IsRowSelected(300));
    EXPECT_FALSE(rig->IsRowSelected(-1));
}

TEST(TableEngine, StoresTheBottomsOfTheRowsOfThePage)
{
    ENGINE_RIG rig;
    rig.Rows(6);
    rig->SetCellText(1, 0, L"one\ntwo\nthree", -1);
    rig->SetCellText(2, 0, L"", -1);  // an empty row still takes a line
    rig->SetCellText(3, 0, L"x\r\ny", -1);
    rig->Redraw(0);
    EXPECT_EQ(rig->RowBottoms(), (std::vector<int>{75, 189, 227, 303, 341, 379}));
    EXPECT_EQ(rig->GetRowsPerPage(), 6);
}

TEST(TableEngine, AlwaysShowsTheFirstRowOfAPage)
{
    // Two-line rows in a window that holds only one: each page shows one row, cut at the bottom.
    ENGINE_RIG rig(ENGINE_AREA{0, 0, 640, 100});
    rig.Rows(5, L"first\nsecond");
    rig->Redraw(1);
    EXPECT_EQ(rig->GetRowsPerPage(), 1);
    EXPECT_EQ(rig->RowBottoms(), (std::vector<int>{75}));
    for (int page = 1; page < 5; ++page) {
        rig->PageDown(1);
        EXPECT_EQ(rig->GetPageFirstRow(), page);
    }
    EXPECT_TRUE(rig->IsLastPage());
}

TEST(TableEngine, EmptyRowsDoNotEndThePage)
{
    ENGINE_RIG rig;
    rig.Rows(30, L"");
    rig->Redraw(1);
    EXPECT_EQ(rig->GetRowsPerPage(), 9);
    EXPECT_EQ(rig->PageDown(1), 1);
    EXPECT_EQ(rig->GetPageFirstRow(), 9);
}

struct HIT_CASE {
    const char* name;
    int x, y;
    int result;
    int row;  // -1: not written
};

TEST(TableEngine, HitTestsRowsOfThePageBetweenTheirBottoms)
{
    const HIT_CASE cases[] = {
        {"first row", 100, ViewY(50), 1, 0},
        {"second row", 100, ViewY(90), 1, 1},
        {"last row of the page", 100, ViewY(370), 1, 8},
        {"on a bottom edge", 100, ViewY(75), 0, -1},
        {"in the header", 100, ViewY(20), 0, -1},
        {"below the last row", 100, ViewY(390), 0, -1},
        {"on the left edge", kLeft, ViewY(50), 0, -1},
        {"right of the window", kLeft + 640, ViewY(50), 0, -1},
    };
    for (const HIT_CASE& test : cases) {
        ENGINE_RIG rig;
        rig.Rows(30);
        rig->Redraw(1);
        int row = -1;
        EXPECT_EQ(rig->HitTest(test.x, test.y, row, 0), test.result) << test.name;
        EXPECT_EQ(row, test.row) << test.name;
        EXPECT_EQ(rig->GetSelectedCount(), test.result) << test.name;
    }
}

TEST(TableEngine, HitTestsMultiLineRowsOnLaterPages)
{
    ENGINE_RIG rig;
    rig.Rows(30, L"a\nb");  // 76 high: four a page, bottoms 113, 189, 265, 341
    rig->Redraw(1);
    rig->PageDown(1);
    int row = -1;
    EXPECT_EQ(rig->HitTest(100, ViewY(150), row, 0), 1);
    EXPECT_EQ(row, 5);
    EXPECT_TRUE(rig->IsRowSelected(5));
    EXPECT_EQ(rig->HitTest(100, ViewY(350), row, 0), 0) << "below the page's rows";
    EXPECT_EQ(rig->GetSelectedCount(), 0) << "a miss in single mode clears the mark";
}

TEST(TableEngine, HitTestsInMultiSelectModeUpToTheLimit)
{
    ENGINE_RIG rig;
    rig.Rows(30);
    rig->SetMode(1, -1);
    rig->SetMaxSelection(2);
    rig->Redraw(1);
    struct STEP {
        int y;
        int result;
        int row;
        int count;
    };
    const STEP steps[] = {
        {ViewY(50), 1, 0, 1},   // marked
        {ViewY(90), 1, 1, 2},   // marked
        {ViewY(130), 0, 2, 2},  // at the limit: reported, not marked
        {ViewY(50), 0, 0, 1},   // a marked row is unmarked
        {ViewY(130), 1, 2, 2},  // room again
        {ViewY(390), 0, 2, 2},  // a miss keeps the marks
    };
    for (const STEP& step : steps) {
        int row = -1;
        const int result = rig->HitTest(100, step.y, row, 0);
        EXPECT_EQ(result, step.result) << step.y;
        if (step.y != ViewY(390)) {
            EXPECT_EQ(row, step.row) << step.y;
        }
        EXPECT_EQ(rig->GetSelectedCount(), step.count) << step.y;
    }
    EXPECT_FALSE(rig->IsRowSelected(0));
    EXPECT_TRUE(rig->IsRowSelected(1));
    EXPECT_TRUE(rig->IsRowSelected(2));
}

TEST(TableEngine, PaintsTheHeaderBandRowColoursAndTheSelectedRow)
{
    ENGINE_RIG rig;
    rig->SetColumns(2, -1);
    rig->SetHeaderText(0, L"Name", -1);
    rig.Rows(4, L"cell");
    rig->SelectRow(2, 1);
    const DRAW_LIST& picture = rig.LastPicture();
    EXPECT_EQ(FillAt(picture, 600, 20), CTableEngine::kHeaderColour);
    EXPECT_EQ(FillAt(picture, 100, 50), CTableEngine::kBodyColour) << "row 0 is even";
    EXPECT_EQ(FillAt(picture, 100, 90), CTableEngine::kOddRowColour) << "row 1 is odd";
    EXPECT_EQ(FillAt(picture, 600, 130), CTableEngine::kOrange) << "row 2 is selected, across the width";
    EXPECT_EQ(FillAt(picture, 100, 170), CTableEngine::kOddRowColour);
    EXPECT_EQ(FillAt(picture, 600, 170), CTableEngine::kBodyColour) << "an empty cell beside a full one is not filled";
    EXPECT_EQ(FillAt(picture, 600, 300), CTableEngine::kBodyColour) << "below the rows";

    const std::vector<std::wstring> texts = TextsOf(picture);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), L"  Name") << "the header first, indented";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), L"  cell"), 5) << "four rows, the selected one twice";
    for (const DRAW_OP& op : picture.ops) {
        if (op.kind == DRAW_KIND::Text && op.text == L"  cell") {
            EXPECT_EQ(op.format, CTableEngine::kStyleLeft | kDrawExpandTabs | kDrawNoPrefix);
        }
    }
}

TEST(TableEngine, MarksGraphRowsOrangeInTheGraphForm)
{
    ENGINE_RIG rig;
    rig.Rows(4);
    rig->GraphRecord(1)->marked = 1;
    rig->Redraw(1);
    EXPECT_EQ(FillAt(rig.LastPicture(), 600, 90), CTableEngine::kOddRowColour) << "table form: no mark";
    rig->SetGraphForm(true);
    rig->Redraw(1);
    EXPECT_EQ(FillAt(rig.LastPicture(), 600, 90), CTableEngine::kOrange);
}

TEST(TableEngine, RulesRowsOnlyOnTheVersionListAndTroubleCodeScreens)
{
    const std::pair<int, bool> cases[] = {{158, true}, {138, true}, {137, false}, {161, false}};
    for (const auto& [viewId, ruled] : cases) {
        ENGINE_RIG rig;
        rig.host.viewId = viewId;
        rig.Rows(2);
        rig->Redraw(1);
        bool rowLine = false;
        for (const DRAW_OP& op : rig.LastPicture().ops) {
            if (op.kind == DRAW_KIND::Line && op.points[0].y == 75 && op.points[1].y == 75)
                rowLine = true;
        }
        EXPECT_EQ(rowLine, ruled) << viewId;
    }
}

}  // namespace
