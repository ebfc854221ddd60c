// The tile grid's layout and paging without its window.
#include <gtest/gtest.h>

#include "SoftwareGridModel.h"

namespace {

constexpr uint32_t kPageUp = 0x21, kPageDown = 0x22, kRight = 0x27, kDown = 0x28, kEnd = 0x23;

// 2 columns and 2 rows of 100 x 50 cells.
CSoftwareGridModel TwoByTwo(size_t count)
{
    CSoftwareGridModel grid;
    grid.CalcLayout(100, 50, 200, 100);
    grid.SetCount(count);
    return grid;
}

TEST(SoftwareGridModelTest, SpareWidthIsRoundedAndSpareHeightCut)
{
    CSoftwareGridModel grid;
    const TILE_CELL cell = grid.CalcLayout(300, 120, 1000, 500);
    EXPECT_EQ(grid.Columns(), 3);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(cell.x, 300 + 33) << "100 / 3 rounded";
    EXPECT_EQ(cell.y, 120 + 5) << "20 / 4";
    const TILE_CELL tooSmall = grid.CalcLayout(300, 120, 200, 500);
    EXPECT_EQ(tooSmall.x, 300) << "the requested size comes back";
    EXPECT_EQ(grid.Cell().x, 333) << "the cell keeps its size";
    EXPECT_EQ(grid.PerPage(), 0);
}

TEST(SoftwareGridModelTest, PagingSevenTilesOnPagesOfFour)
{
    CSoftwareGridModel grid = TwoByTwo(7);
    for (int i = 0; i < 3; ++i)
        grid.MoveHot(kRight);
    ASSERT_EQ(grid.Hot(), 3);
    grid.MoveHot(kPageDown);
    EXPECT_EQ(grid.PageStart(), 4u);
    EXPECT_EQ(grid.Hot(), 2) << "tile 6, the last";
    grid.MoveHot(kRight);
    EXPECT_EQ(grid.HotIndex(), 6u);
    grid.MoveHot(kPageDown);
    EXPECT_EQ(grid.PageStart(), 4u) << "no page after the last";
    EXPECT_TRUE(grid.IsLastPage());
    grid.MoveHot(kPageUp);
    EXPECT_EQ(grid.PageStart(), 0u);
    EXPECT_EQ(grid.Hot(), 2) << "Page Up keeps the hot place";
    EXPECT_TRUE(grid.MoveHot(kEnd)) << "consumed, though it moves nothing";
    EXPECT_EQ(grid.Hot(), 2);
}

TEST(SoftwareGridModelTest, DownOnTheLastPageStepsToTheNextTile)
{
    CSoftwareGridModel grid = TwoByTwo(7);
    grid.MoveHot(kPageDown);
    ASSERT_EQ(grid.HotIndex(), 4u);
    grid.MoveHot(kDown);
    EXPECT_EQ(grid.HotIndex(), 6u) << "a row down";
    grid.MoveHot(kDown);
    EXPECT_EQ(grid.HotIndex(), 6u) << "nothing follows the last tile";
    CSoftwareGridModel three = TwoByTwo(3);
    three.MoveHot(kRight);
    three.MoveHot(kDown);
    EXPECT_EQ(three.HotIndex(), 2u) << "no tile below: one step on";
}

TEST(SoftwareGridModelTest, HitsAndTheProgressBarsPage)
{
    CSoftwareGridModel grid = TwoByTwo(3);
    EXPECT_TRUE(grid.HitTest(150, 20, 200, 100));
    EXPECT_EQ(grid.Hot(), 1);
    EXPECT_FALSE(grid.HitTest(150, 70, 200, 100)) << "no tile 3";
    EXPECT_EQ(grid.Hot(), 1);
    EXPECT_FALSE(grid.HitTest(250, 20, 200, 100));
    const auto place = TwoByTwo(7).ProgressPlace(5);
    EXPECT_EQ(place.pageStart, 4u);
    EXPECT_EQ(place.cell.x, 100);
    EXPECT_EQ(place.cell.y, 0);
    CSoftwareGridModel empty = TwoByTwo(0);
    EXPECT_FALSE(empty.MoveHot(kDown)) << "an empty grid leaves the key to others";
}

}  // namespace
