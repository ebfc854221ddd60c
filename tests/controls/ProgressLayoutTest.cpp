#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgressLayout.h"

namespace {

struct FillCase {
    int position;
    int fillEnd;
    const wchar_t* text;
};

class TextProgressTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(TextProgressTest, FillsThePercentageOfTheInnerBar)
{
    const TEXT_PROGRESS_LAYOUT layout = LayoutTextProgress({0, 0, 206, 30}, GetParam().position);
    EXPECT_EQ(layout.inner.left, 3);
    EXPECT_EQ(layout.inner.right, 203);
    EXPECT_EQ(layout.inner.top, 3);
    EXPECT_EQ(layout.inner.bottom, 27);
    EXPECT_EQ(layout.filled.left, 3);
    EXPECT_EQ(layout.filled.right, GetParam().fillEnd);
    EXPECT_EQ(layout.rest.left, GetParam().fillEnd);
    EXPECT_EQ(layout.rest.right, 203);
    EXPECT_EQ(layout.text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextProgressTest, ::testing::Values(
    FillCase{0, 3, L"0%"}, FillCase{45, 93, L"45%"}, FillCase{100, 203, L"100%"},
    FillCase{29, 60, L"29%"}, FillCase{57, 116, L"57%"}, FillCase{58, 118, L"58%"},
    FillCase{250, 203, L"100%"}, FillCase{-5, 3, L"0%"}));

TEST(TextProgress, ABarTooSmallForItsFrameFillsNothing)
{
    const TEXT_PROGRESS_LAYOUT layout = LayoutTextProgress({0, 0, 4, 4}, 100);
    EXPECT_EQ(layout.filled.right, layout.filled.left);
}

TEST(ScaleProgress, NumbersTheTicksAndPutsTheLastAtTheEnd)
{
    const std::vector<SCALE_TICK> ticks = LayoutScaleTicks(201, 100, 10);
    ASSERT_EQ(ticks.size(), 11u);
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].x, static_cast<int>(i) * 20);
        EXPECT_EQ(ticks[i].label, std::to_wstring(i * 10));
        EXPECT_EQ(ticks[i].rightAligned, i == 10);
    }
}

TEST(ScaleProgress, DegenerateScalesEndTheirTicks)
{
    EXPECT_TRUE(LayoutScaleTicks(200, 100, 0).empty());
    EXPECT_TRUE(LayoutScaleTicks(200, 100, -3).empty());
    EXPECT_EQ(LayoutScaleTicks(5, 100, 10).size(), 1u) << "narrower than its divisions";
}

TEST(ScaleProgress, FilledWidthFollowsThePosition)
{
    EXPECT_EQ(ScaleFilledWidth(200, 0, 100, 0), 0);
    EXPECT_EQ(ScaleFilledWidth(200, 0, 100, 33), 66);
    EXPECT_EQ(ScaleFilledWidth(200, 0, 100, 100), 200);
    EXPECT_EQ(ScaleFilledWidth(200, 0, 100, 140), 200) << "never past the bar";
    EXPECT_EQ(ScaleFilledWidth(200, 50, 50, 10), 0) << "an empty range";
    EXPECT_EQ(ScaleFilledWidth(200, 50, 150, 50), 0) << "a range not starting at 0";
    EXPECT_EQ(ScaleFilledWidth(200, 50, 150, 100), 100);
}

}  // namespace
