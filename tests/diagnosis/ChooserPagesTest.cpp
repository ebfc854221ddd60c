#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChooserPages.h"

namespace {

using Names = std::vector<std::wstring>;

std::vector<int> Pages(const CHOOSER_PAGES& pages)
{
    std::vector<int> result;
    for (const CHOOSER_PLACE& place : pages.makers)
        result.push_back(place.page);
    return result;
}

std::vector<int> Slots(const CHOOSER_PAGES& pages)
{
    std::vector<int> result;
    for (const CHOOSER_PLACE& place : pages.makers)
        result.push_back(place.slot);
    return result;
}

struct PagesCase {
    const char* name;
    std::vector<CHOOSER_REGION> regions;
    Names makerRegions;
    Names pageNames;
    std::vector<int> regionPage;
    std::vector<int> makerPages;
    std::vector<int> makerSlots;
};

class ChooserPagesTest : public ::testing::TestWithParam<PagesCase> {};

TEST_P(ChooserPagesTest, AssignsPagesAndSlots)
{
    const PagesCase& c = GetParam();
    const CHOOSER_PAGES pages = AssignChooserPages(c.regions, c.makerRegions);
    EXPECT_EQ(pages.pageNames, c.pageNames);
    EXPECT_EQ(pages.regionPage, c.regionPage);
    EXPECT_EQ(Pages(pages), c.makerPages);
    EXPECT_EQ(Slots(pages), c.makerSlots);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChooserPagesTest, ::testing::Values(
    PagesCase{"PagesInTheOrderTheMakersNameThem",
              {{L"EAST", L"East"}, {L"WEST", L"West"}},
              {L"WEST", L"EAST", L"WEST"},
              {L"West", L"East"}, {1, 0}, {0, 1, 0}, {0, 0, 1}},
    PagesCase{"EqualNamesShareAPage",
              {{L"EAST", L"Coast"}, {L"WEST", L"Coast"}},
              {L"EAST", L"WEST", L"EAST"},
              {L"Coast"}, {0, 0}, {0, 0, 0}, {0, 1, 2}},
    PagesCase{"ARegionWithoutANameUsesItsFolder",
              {{L"EAST", L""}},
              {L"EAST"},
              {L"EAST"}, {0}, {0}, {0}},
    PagesCase{"ARegionWithoutMakersGetsNoPage",
              {{L"EAST", L"East"}, {L"WEST", L"West"}},
              {L"WEST"},
              {L"West"}, {-1, 0}, {0}, {0}},
    PagesCase{"AMakerOfAnUnknownRegionIsLeftOut",
              {{L"EAST", L"East"}},
              {L"NORTH", L"EAST"},
              {L"East"}, {0}, {-1, 0}, {-1, 0}},
    PagesCase{"AnEighthNameGetsNoPage",
              {{L"R1", L"1"}, {L"R2", L"2"}, {L"R3", L"3"}, {L"R4", L"4"}, {L"R5", L"5"}, {L"R6", L"6"},
               {L"R7", L"7"}, {L"R8", L"8"}, {L"R9", L"7"}},
              {L"R1", L"R2", L"R3", L"R4", L"R5", L"R6", L"R7", L"R8", L"R9"},
              {L"1", L"2", L"3", L"4", L"5", L"6", L"7"},
              {0, 1, 2, 3, 4, 5, 6, -1, 6},
              {0, 1, 2, 3, 4, 5, 6, -1, 6},
              {0, 0, 0, 0, 0, 0, 0, -1, 1}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ChooserPages, AFullPageRefusesFurtherMakers)
{
    const Names makers(kMaxMakersPerPage + 2, L"EAST");
    const CHOOSER_PAGES pages = AssignChooserPages({{L"EAST", L"East"}}, makers);
    ASSERT_EQ(pages.makers.size(), makers.size());
    EXPECT_EQ(pages.makers[kMaxMakersPerPage - 1].slot, static_cast<int>(kMaxMakersPerPage) - 1);
    for (size_t i = kMaxMakersPerPage; i < makers.size(); ++i) {
        EXPECT_EQ(pages.makers[i].page, -1) << i;
        EXPECT_EQ(pages.makers[i].slot, -1) << i;
    }
}

TEST(ChooserPages, NothingToShow)
{
    const CHOOSER_PAGES pages = AssignChooserPages({}, {});
    EXPECT_TRUE(pages.pageNames.empty());
    EXPECT_TRUE(pages.makers.empty());
}

}  // namespace
