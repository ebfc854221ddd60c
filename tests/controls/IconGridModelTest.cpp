#include <gtest/gtest.h>

#include <vector>

#include "IconGridModel.h"

namespace {

struct LayoutCase {
    const char* name;
    int width, height, cx, cy, icons;
    int columns, rows;
    GRID_PITCH returned;
    int pitchX, pitchY;
    bool paging;
};

class IconGridLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(IconGridLayoutTest, SpreadsTheSpareRoomBetweenTheCells)
{
    const LayoutCase& c = GetParam();
    CIconGridModel grid;
    const GRID_PITCH pitch = grid.SetCellSize(c.width, c.height, c.cx, c.cy, c.icons);
    EXPECT_EQ(pitch.x, c.returned.x);
    EXPECT_EQ(pitch.y, c.returned.y);
    EXPECT_EQ(grid.Columns(), c.columns);
    EXPECT_EQ(grid.Rows(), c.rows);
    EXPECT_EQ(grid.PitchX(), c.pitchX);
    EXPECT_EQ(grid.PitchY(), c.pitchY);
    EXPECT_EQ(grid.Paging(), c.paging);
}

INSTANTIATE_TEST_SUITE_P(Cases, IconGridLayoutTest, ::testing::Values(
    LayoutCase{"ExactFit", 640, 510, 160, 170, 5, 4, 3, {160, 170}, 160, 170, false},
    LayoutCase{"SpareRoomSpread", 700, 520, 160, 170, 20, 4, 3, {175, 173}, 175, 173, true},
    LayoutCase{"HalfPixelRoundsUp", 650, 510, 160, 170, 12, 4, 3, {163, 170}, 163, 170, false},
    LayoutCase{"TooSmallKeepsThePitches", 100, 100, 160, 170, 3, 0, 0, {160, 170}, 1, 1, true},
    LayoutCase{"NoCellSizeLaysOutNothing", 640, 510, 0, 0, 3, 0, 0, {0, 0}, 1, 1, true},
    LayoutCase{"ColumnsSaturateInAByte", 100000, 10, 1, 10, 0, 255, 1, {392, 10}, 392, 10, false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(IconGridLayout, ATooSmallAreaLeavesThePreviousPitches)
{
    CIconGridModel grid;
    grid.SetCellSize(700, 520, 160, 170, 20);
    const GRID_PITCH pitch = grid.SetCellSize(100, 520, 160, 170, 20);
    EXPECT_EQ(pitch.x, 160);
    EXPECT_EQ(pitch.y, 170);
    EXPECT_EQ(grid.PitchX(), 175);
    EXPECT_EQ(grid.PitchY(), 173);
    EXPECT_EQ(grid.PageSize(), 0);
}

// A grid of 4 x 3 cells of 100 x 100 pixels, driven to a state by page-down presses and a hit.
CIconGridModel GridAt(int count, int pagesDown, int cell)
{
    CIconGridModel grid;
    grid.SetCellSize(400, 300, 100, 100, count);
    for (int i = 0; i < pagesDown; ++i)
        grid.NavigateKey(gridkey::kNext, count);
    EXPECT_TRUE(grid.HitTest((cell % 4) * 100 + 50, (cell / 4) * 100 + 50, 400, 300, count)) << "cell " << cell;
    return grid;
}

struct KeyCase {
    const char* name;
    int count;
    int pagesDown;
    int cell;
    unsigned key;
    int first;
    int selected;
};

class IconGridKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(IconGridKeyTest, MovesThePageAndTheSelection)
{
    const KeyCase& c = GetParam();
    CIconGridModel grid = GridAt(c.count, c.pagesDown, c.cell);
    EXPECT_TRUE(grid.NavigateKey(c.key, c.count));
    EXPECT_EQ(grid.First(), c.first);
    EXPECT_EQ(grid.SelectedCell(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IconGridKeyTest, ::testing::Values(
    KeyCase{"PageDownKeepsTheCell", 25, 0, 5, gridkey::kNext, 12, 5},
    KeyCase{"PageDownToAShortPageTakesItsLastCell", 25, 1, 5, gridkey::kNext, 24, 0},
    KeyCase{"PageDownOnTheLastPageDoesNothing", 25, 2, 0, gridkey::kNext, 24, 0},
    KeyCase{"PageUpGoesBackOnePage", 25, 2, 0, gridkey::kPrior, 12, 0},
    KeyCase{"PageUpOnTheFirstPageStays", 25, 0, 7, gridkey::kPrior, 0, 7},
    KeyCase{"RightOnTheLastCellKeepsItOnALongNextPage", 25, 0, 11, gridkey::kRight, 12, 11},
    KeyCase{"RightOnTheLastCellOfTheNextPage", 25, 1, 11, gridkey::kRight, 24, 0},
    KeyCase{"RightOnTheLastItemStays", 25, 2, 0, gridkey::kRight, 24, 0},
    KeyCase{"RightWithinThePage", 25, 0, 2, gridkey::kRight, 0, 3},
    KeyCase{"UpOnTheTopRowOfTheFirstPageMovesLeft", 25, 0, 2, gridkey::kUp, 0, 1},
    KeyCase{"UpOnTheTopRowOfALaterPageGoesBack", 25, 1, 2, gridkey::kUp, 0, 2},
    KeyCase{"UpFromTheSecondRow", 25, 0, 6, gridkey::kUp, 0, 2},
    KeyCase{"LeftOnTheFirstCellOfALaterPageGoesBack", 25, 1, 0, gridkey::kLeft, 0, 0},
    KeyCase{"LeftWithinThePage", 25, 0, 3, gridkey::kLeft, 0, 2},
    KeyCase{"DownWithinThePage", 25, 0, 2, gridkey::kDown, 0, 6},
    KeyCase{"DownFromTheBottomRowGoesToTheNextPage", 25, 0, 9, gridkey::kDown, 12, 9},
    KeyCase{"DownOnTheLastShortRowMovesRight", 14, 1, 0, gridkey::kDown, 12, 1},
    KeyCase{"DownOnTheLastItemStays", 25, 2, 0, gridkey::kDown, 24, 0},
    KeyCase{"AnyOtherKeyChangesNothing", 25, 0, 5, 0x41, 0, 5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(IconGridKeys, AnEmptyGridTakesNoKey)
{
    CIconGridModel grid;
    grid.SetCellSize(400, 300, 100, 100, 0);
    for (unsigned key : {gridkey::kPrior, gridkey::kNext, gridkey::kLeft, gridkey::kUp, gridkey::kRight, gridkey::kDown})
        EXPECT_FALSE(grid.NavigateKey(key, 0));
    EXPECT_EQ(grid.First(), 0);
    EXPECT_EQ(grid.SelectedCell(), 0);
}

TEST(IconGridKeys, PageDownRemembersWhereThePageStarts)
{
    CIconGridModel grid = GridAt(25, 1, 0);
    EXPECT_EQ(grid.PageStart(), 12);
    EXPECT_TRUE(grid.HasPreviousPage());
    EXPECT_TRUE(grid.HasNextPage(25));
    grid.NavigateKey(gridkey::kNext, 25);
    EXPECT_FALSE(grid.HasNextPage(25));
}

struct HitCase {
    const char* name;
    int x, y;
    int count;
    int cell;  // -1: nothing is hit
};

class IconGridHitTest : public ::testing::TestWithParam<HitCase> {};

// 661 x 520 for cells of 160 x 170: pitches 165 x 173 leave a one-pixel strip on the right and on
// the bottom edge.
TEST_P(IconGridHitTest, HitsOnlyShownCells)
{
    const HitCase& c = GetParam();
    CIconGridModel grid;
    grid.SetCellSize(661, 520, 160, 170, c.count);
    ASSERT_EQ(grid.PitchX(), 165);
    ASSERT_EQ(grid.PitchY(), 173);
    grid.HitTest(5, 5, 661, 520, c.count);  // selection on cell 0 (when there are items)
    const auto hit = grid.HitTest(c.x, c.y, 661, 520, c.count);
    EXPECT_EQ(hit.value_or(-1), c.cell);
    EXPECT_EQ(grid.SelectedCell(), c.cell >= 0 ? c.cell : 0) << "a miss leaves the selection";
}

INSTANTIATE_TEST_SUITE_P(Cases, IconGridHitTest, ::testing::Values(
    HitCase{"FirstCell", 10, 10, 25, 0},
    HitCase{"SecondColumn", 166, 10, 25, 1},
    HitCase{"LastCellOfThePage", 659, 518, 25, 11},
    HitCase{"RightStripIsNoCell", 660, 10, 25, -1},
    HitCase{"BottomStripIsNoCell", 10, 519, 25, -1},
    HitCase{"LeftOfTheGrid", -1, 10, 25, -1},
    HitCase{"BelowTheGrid", 10, 520, 25, -1},
    HitCase{"CellWithoutItem", 500, 200, 6, -1},
    HitCase{"LastItemOfAShortPage", 200, 180, 6, 5}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(IconGridHits, AGridTooSmallForOneCellHitsNothing)
{
    CIconGridModel grid;
    grid.SetCellSize(100, 100, 160, 170, 3);
    EXPECT_FALSE(grid.HitTest(10, 10, 100, 100, 3));
}

TEST(IconGridSelection, StaysOnThePage)
{
    CIconGridModel grid = GridAt(25, 0, 11);
    grid.ClampSelection();
    EXPECT_EQ(grid.SelectedCell(), 11);
    grid.SetCellSize(200, 300, 100, 100, 25);  // the page shrinks to 2 x 3
    grid.ClampSelection();
    EXPECT_EQ(grid.SelectedCell(), 5);
    grid.SetCellSize(50, 50, 100, 100, 25);  // no page at all
    grid.ClampSelection();
    EXPECT_EQ(grid.SelectedCell(), -1);
    grid.Reset();
    EXPECT_EQ(grid.First(), 0);
    EXPECT_EQ(grid.SelectedCell(), 0);
}

TEST(IconGridCells, LieInRowsFromTheFirstVisibleItem)
{
    CIconGridModel grid = GridAt(25, 1, 0);
    const GRID_CELL cell = grid.CellRect(17);  // the sixth of the page: column 1, row 1
    EXPECT_EQ(cell.left, 100);
    EXPECT_EQ(cell.top, 100);
    EXPECT_EQ(cell.right, 200);
    EXPECT_EQ(cell.bottom, 200);
}

}  // namespace
