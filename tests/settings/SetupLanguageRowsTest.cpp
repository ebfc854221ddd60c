// The rows, scrolling and band colours of the striped language page.
#include <gtest/gtest.h>

#include "SetupLanguageRows.h"

namespace {

TEST(SetupLanguageRowsTest, TwoLanguagesARowAndAnOddOneAddsARow)
{
    EXPECT_EQ(SetupLanguageRowCount(0), 0);
    EXPECT_EQ(SetupLanguageRowCount(1), 1);
    EXPECT_EQ(SetupLanguageRowCount(24), 12);
    EXPECT_EQ(SetupLanguageRowCount(25), 13);
}

struct ScrollCase {
    int position;
    int rows;
    int code;
    int thumb;
    int next;
};

class SetupLanguageScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(SetupLanguageScrollTest, StaysWithinTheRows)
{
    const ScrollCase& c = GetParam();
    EXPECT_EQ(NextSetupLanguageScroll(c.position, c.rows, c.code, c.thumb), c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SetupLanguageScrollTest,
    ::testing::Values(ScrollCase{0, 13, kScrollLineUp, 0, 0}, ScrollCase{3, 13, kScrollPageUp, 0, 2},
                      ScrollCase{0, 13, kScrollLineDown, 0, 1}, ScrollCase{10, 13, kScrollPageDown, 0, 11},
                      ScrollCase{11, 13, kScrollLineDown, 0, 11},  // the last row never becomes the first
                      ScrollCase{0, 1, kScrollLineDown, 0, 0}, ScrollCase{0, 13, kScrollThumbPosition, 5, 5},
                      ScrollCase{0, 13, kScrollThumbPosition, 12, 11}, ScrollCase{0, 1, kScrollThumbPosition, 0, 0},
                      ScrollCase{7, 13, kScrollTop, 0, 0}, ScrollCase{7, 13, 8 /* end of scroll */, 0, 7}));

TEST(SetupLanguageRowsTest, ButtonsTakeTheColourOfTheBandTheyStandOn)
{
    EXPECT_FALSE(SetupLanguageRowOnWhiteBand(0, 0));
    EXPECT_TRUE(SetupLanguageRowOnWhiteBand(1, 0));
    EXPECT_FALSE(SetupLanguageRowOnWhiteBand(1, 1));
    EXPECT_TRUE(SetupLanguageRowOnWhiteBand(2, 1));
    EXPECT_TRUE(SetupLanguageRowOnWhiteBand(0, 1)) << "a row above the view";
}

}  // namespace
