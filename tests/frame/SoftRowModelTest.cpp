#include <gtest/gtest.h>

#include "SoftButtonCaptions.h"
#include "SoftRowModel.h"
#include "StringResources.h"

namespace {

constexpr int kW = 103;
constexpr int kH = 29;

CSoftRowModel RowOf(int width, const std::vector<int>& ids, bool show = true)
{
    CSoftRowModel row(width, kW, kH);
    for (int id : ids)
        row.AddButton(id, show);
    return row;
}

// x of every visible, placed button in list order; -1 for parked ones.
std::vector<int> Positions(const CSoftRowModel& row)
{
    std::vector<int> xs;
    for (const SOFT_BUTTON_PLACE& button : row.Buttons())
        xs.push_back(button.Parked() || !button.visible ? -1 : button.x);
    return xs;
}

std::vector<int> Ids(int count, int first = 3012)
{
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(first + i);
    return ids;
}

TEST(SoftRowModel, SevenButtonsFitCentredWithoutPaging)
{
    const CSoftRowModel row = RowOf(1024, Ids(7));
    EXPECT_EQ(row.ButtonsPerRow(), 7);
    EXPECT_EQ(Positions(row), (std::vector<int>{40, 180, 320, 460, 600, 740, 880}));
    EXPECT_FALSE(row.HasPagingButtons());
    for (const auto& button : row.Buttons())
        EXPECT_EQ(button.y, CSoftRowModel::kButtonTop);
}

TEST(SoftRowModel, AnEighthButtonPagesTheRowInGroupsOfFive)
{
    CSoftRowModel row = RowOf(1024, Ids(8));
    ASSERT_TRUE(row.HasPagingButtons());
    EXPECT_EQ(row.PreviousGroupButton().x, 76);
    EXPECT_TRUE(row.PreviousGroupButton().visible);
    EXPECT_FALSE(row.PreviousGroupEnabled());
    EXPECT_EQ(row.NextGroupButton().x, 845);
    EXPECT_TRUE(row.NextGroupEnabled());
    EXPECT_EQ(Positions(row), (std::vector<int>{204, 332, 460, 588, 716, -1, -1, -1}));

    row.OnNextGroup();
    EXPECT_EQ(row.CurrentGroup(), 2);
    EXPECT_EQ(Positions(row), (std::vector<int>{-1, -1, -1, -1, -1, 204, 332, 460}));
    EXPECT_TRUE(row.PreviousGroupEnabled());
    EXPECT_FALSE(row.NextGroupEnabled());

    row.OnPrevGroup();
    EXPECT_EQ(row.CurrentGroup(), 1);
    EXPECT_EQ(Positions(row), (std::vector<int>{204, 332, 460, 588, 716, -1, -1, -1}));
    row.OnPrevGroup();
    EXPECT_EQ(row.CurrentGroup(), 1);
}

TEST(SoftRowModel, HomeFirstTakesThePlaceOfTheHiddenPreviousGroupButton)
{
    std::vector<int> ids = Ids(7);
    ids.insert(ids.begin(), CSoftRowModel::kHomeId);
    const CSoftRowModel row = RowOf(1024, ids);
    EXPECT_EQ(Positions(row), (std::vector<int>{76, 204, 332, 460, 588, -1, -1, -1}));
    EXPECT_FALSE(row.PreviousGroupButton().visible);
}

TEST(SoftRowModel, NoGroupBeyondTheLastWhenTheCountIsAMultipleOfTheGroupSize)
{
    CSoftRowModel row = RowOf(1024, Ids(10));
    row.OnNextGroup();
    row.OnNextGroup();
    EXPECT_EQ(row.CurrentGroup(), 2);
    EXPECT_EQ(Positions(row), (std::vector<int>{-1, -1, -1, -1, -1, 204, 332, 460, 588, 716}));
    EXPECT_FALSE(row.NextGroupEnabled());
}

TEST(SoftRowModel, HiddenButtonsArePlacedButStayHidden)
{
    const CSoftRowModel row = RowOf(1024, Ids(3), false);
    for (const auto& button : row.Buttons()) {
        EXPECT_FALSE(button.visible);
        EXPECT_FALSE(button.Parked());
    }
}

TEST(SoftRowModel, RemovingEverythingStartsAgainAtGroupOne)
{
    CSoftRowModel row = RowOf(1024, Ids(9));
    row.OnNextGroup();
    row.RemoveAllButtons();
    EXPECT_EQ(row.CurrentGroup(), 1);
    EXPECT_FALSE(row.HasPagingButtons());
    row.AddButton(3001, true);
    EXPECT_EQ(Positions(row), (std::vector<int>{460}));
}

TEST(SoftRowModel, RowsTooNarrowForAnyButtonOrWithVeryManyStaySafe)
{
    CSoftRowModel narrow = RowOf(0, Ids(5));
    EXPECT_FALSE(narrow.HasPagingButtons());
    narrow.OnNextGroup();
    narrow.ShowGroup(3);

    CSoftRowModel crowded = RowOf(1024, Ids(500));
    for (int i = 0; i < 200; ++i)
        crowded.OnNextGroup();
    EXPECT_EQ(crowded.CurrentGroup(), 100);
    EXPECT_EQ(Positions(crowded).back(), 716);
}

struct CaptionCase {
    int id;
    const wchar_t* caption;
};

class SoftButtonCaptionTest : public ::testing::TestWithParam<CaptionCase> {
protected:
    void SetUp() override { ResFreeStrings(); }
};

TEST_P(SoftButtonCaptionTest, ComesFromTheTextTable)
{
    EXPECT_EQ(SoftButtonCaption(GetParam().id), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Cases, SoftButtonCaptionTest, ::testing::Values(
    CaptionCase{3001, L"Back"}, CaptionCase{3002, L"Page Up"}, CaptionCase{3003, L"Page  Down"},
    CaptionCase{3004, L"Accept"}, CaptionCase{3007, L"Home"}, CaptionCase{3009, L"Play"},
    CaptionCase{3011, L"Exit"}, CaptionCase{3021, L"Save"}, CaptionCase{1005, L"Read"},
    CaptionCase{3017, L""}, CaptionCase{3012, L""}, CaptionCase{9001, L"Group Down"}, CaptionCase{4242, L""}));

}  // namespace
