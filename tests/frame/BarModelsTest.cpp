// The bars' and the home page's rules as plain data: places, sets, texts and the actions of items.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BarPainting.h"
#include "BottomBarModel.h"
#include "HomeTiles.h"
#include "MiddleLeftModel.h"
#include "NavigationTargets.h"
#include "TopBarModel.h"

namespace {

struct OriginCase {
    int screenMode, width, height;
    int x, y;
};

class HomeOriginTest : public ::testing::TestWithParam<OriginCase> {};

TEST_P(HomeOriginTest, CentresThePageOnTheScreenUnlessTheWindowHasTheFixedSize)
{
    const OriginCase& c = GetParam();
    const PAGE_ORIGIN origin = HomePageOrigin(c.screenMode, c.width, c.height);
    EXPECT_EQ(origin.x, c.x);
    EXPECT_EQ(origin.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Cases, HomeOriginTest, ::testing::Values(
    OriginCase{0, 1280, 800, 128, 50},
    OriginCase{1, 1280, 800, 0, 0},
    OriginCase{2, 1920, 1080, 0, 0},
    OriginCase{0, 1024, 700, 0, 0},
    OriginCase{0, 1025, 701, 0, 0},       // halves are cut
    OriginCase{0, 800, 600, -112, -50}));  // toward zero on a small screen

TEST(HomeTiles, AreMadeInTheirOrderWithTheirRulesAndTargets)
{
    std::vector<int> order;
    for (const HOME_TILE& tile : HomeTiles())
        order.push_back(tile.id);
    EXPECT_EQ(order, (std::vector<int>{1096, 1108, 1103, 1104, 1005, 1105, 1106, 1130, 1131, 1132, 3011, 1097}));

    struct Expected {
        int id;
        BUTTON_RULE rule;
        OUTSIDE_TOOL tool;
        int target;
    };
    const Expected expected[] = {
        {1097, BUTTON_RULE::Enabled, OUTSIDE_TOOL::None, 131},
        {1096, BUTTON_RULE::Enabled, OUTSIDE_TOOL::None, 492},
        {1105, BUTTON_RULE::WhenToolExists, OUTSIDE_TOOL::DtcQuery, 0},
        {1005, BUTTON_RULE::Disabled, OUTSIDE_TOOL::None, 0},
        {1108, BUTTON_RULE::WhenToolExists, OUTSIDE_TOOL::ScreenRecorder, 493},
        {1106, BUTTON_RULE::Disabled, OUTSIDE_TOOL::None, 0},
        {1131, BUTTON_RULE::WhenToolExists, OUTSIDE_TOOL::Dictionary, 0},
        {1132, BUTTON_RULE::Enabled, OUTSIDE_TOOL::None, 295},
        {1104, BUTTON_RULE::Enabled, OUTSIDE_TOOL::None, 446},
        {1130, BUTTON_RULE::Disabled, OUTSIDE_TOOL::None, 0},
        {1103, BUTTON_RULE::WhenManualAvailable, OUTSIDE_TOOL::None, 505},
        {3011, BUTTON_RULE::Enabled, OUTSIDE_TOOL::None, 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        const HOME_TILE* tile = FindHomeTile(e.id);
        ASSERT_NE(tile, nullptr);
        EXPECT_EQ(tile->rule, e.rule);
        EXPECT_EQ(tile->tool, e.tool);
        EXPECT_EQ(tile->targetView, e.target);
        EXPECT_EQ(tile->centredCaption, e.id == 1097);
    }
    EXPECT_EQ(FindHomeTile(4242), nullptr);
    EXPECT_STREQ(FindHomeTile(1104)->english, L"Online stor");
}

struct RuleCase {
    BUTTON_RULE rule;
    bool toolExists;
    const wchar_t* language;
    bool allowed;
};

class ButtonRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ButtonRuleTest, EnablesByToolAndLanguage)
{
    const RuleCase& c = GetParam();
    EXPECT_EQ(RuleAllows(c.rule, c.toolExists, c.language), c.allowed);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonRuleTest, ::testing::Values(
    RuleCase{BUTTON_RULE::Enabled, false, L"EN", true},
    RuleCase{BUTTON_RULE::Disabled, true, L"EN", false},
    RuleCase{BUTTON_RULE::WhenToolExists, true, L"CN", true},
    RuleCase{BUTTON_RULE::WhenToolExists, false, L"EN", false},
    RuleCase{BUTTON_RULE::WhenManualAvailable, false, L"EN", true},
    RuleCase{BUTTON_RULE::WhenManualAvailable, true, L"CN", false},
    RuleCase{BUTTON_RULE::WhenManualAvailable, true, L"TW", false},
    RuleCase{BUTTON_RULE::WhenManualAvailable, true, L"DE", true}));

TEST(OutsideTools, LieInTheirFoldersBelowTheProgram)
{
    EXPECT_STREQ(ToolRelativePath(OUTSIDE_TOOL::Dictionary), L"tools\\Dictionary\\Dictionary.exe");
    EXPECT_STREQ(ToolRelativePath(OUTSIDE_TOOL::DtcQuery), L"tools\\DataTroubleCode\\DTCQuery.exe");
    EXPECT_STREQ(ToolRelativePath(OUTSIDE_TOOL::ScreenRecorder), L"tools\\DataRecord\\ScreenRecorder.exe");
    EXPECT_STREQ(ToolRelativePath(OUTSIDE_TOOL::None), L"");
}

struct TopPlaceCase {
    int left, right, slot, width, x;
};

class TopBarPlaceTest : public ::testing::TestWithParam<TopPlaceCase> {};

TEST_P(TopBarPlaceTest, LaysButtonsOutFromTheRight)
{
    const TopPlaceCase& c = GetParam();
    EXPECT_EQ(TopBarButtonX(c.left, c.right, c.slot, c.width), c.x);
}

INSTANTIATE_TEST_SUITE_P(Cases, TopBarPlaceTest, ::testing::Values(
    TopPlaceCase{0, 1024, 1, 67, 957},
    TopPlaceCase{0, 1024, 6, 67, 622},
    TopPlaceCase{0, 1280, 7, 67, 811},
    TopPlaceCase{10, 1034, 2, 67, 890},
    TopPlaceCase{0, 1024, 2, 130, 764}));

TEST(TopBarSets, GiveEachViewItsButtonsAndItsCurrentOne)
{
    struct Expected {
        int viewId;
        std::vector<int> buttons;
        int current;
    };
    const std::vector<int> main = {1132, 1104, 1105, 1097, 1096, 1103};
    const Expected expected[] = {
        {131, main, 1097},
        {492, main, 1096},
        {295, main, 1132},
        {505, main, 1103},
        {493, main, 1108},
        {494, {1132, 1104, 1105, 1097, 1096, 1108, 1103}, 1108},
        {446, {1102, 1101}, 1101},
        {476, {1102, 1101}, 1101},
        {137, {}, 0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.viewId);
        const TOP_BAR_SET set = TopBarSetForView(e.viewId);
        EXPECT_EQ(std::vector<int>(set.buttons.begin(), set.buttons.end()), e.buttons);
        EXPECT_EQ(set.current, e.current);
        for (int id : e.buttons)
            EXPECT_NE(FindTopBarButton(id), nullptr) << id;
    }
}

TEST(TopBarButtons, LeaveLatchAndSwitchAsTheTableSays)
{
    struct Expected {
        int id;
        bool leaves, latches;
        int target;
        OUTSIDE_TOOL tool;
    };
    const Expected expected[] = {
        {1005, true, true, 0, OUTSIDE_TOOL::None},       {1096, true, true, 492, OUTSIDE_TOOL::None},
        {1097, true, false, 131, OUTSIDE_TOOL::None},    {1101, true, true, 446, OUTSIDE_TOOL::None},
        {1102, true, true, 445, OUTSIDE_TOOL::None},     {1103, true, true, 505, OUTSIDE_TOOL::None},
        {1104, true, false, 446, OUTSIDE_TOOL::None},    {1105, false, false, 0, OUTSIDE_TOOL::DtcQuery},
        {1106, true, true, 0, OUTSIDE_TOOL::None},       {1108, true, true, 493, OUTSIDE_TOOL::ScreenRecorder},
        {1130, true, true, 0, OUTSIDE_TOOL::None},       {1131, false, false, 0, OUTSIDE_TOOL::Dictionary},
        {1132, true, true, 295, OUTSIDE_TOOL::None},
    };
    EXPECT_EQ(TopBarButtons().size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.id);
        const TOP_BAR_BUTTON* button = FindTopBarButton(e.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->leaves, e.leaves);
        EXPECT_EQ(button->latches, e.latches);
        EXPECT_EQ(button->targetView, e.target);
        EXPECT_EQ(button->tool, e.tool);
        EXPECT_EQ(button->wide, e.id == 1101 || e.id == 1102);
    }
    EXPECT_EQ(FindTopBarButton(1104)->disabled, 370);
    EXPECT_EQ(FindTopBarButton(1103)->rule, BUTTON_RULE::WhenManualAvailable);
}

struct PathCase {
    const wchar_t* path;
    const wchar_t* shown;
};

class GuidePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(GuidePathTest, ShowsTheMenuPathWithALeadingBlankAndArrows)
{
    EXPECT_EQ(FormatGuidePath(GetParam().path), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, GuidePathTest, ::testing::Values(
    PathCase{L"", L" "},
    PathCase{L"Engine", L" Engine"},
    PathCase{L"Engine->Read codes", L" Engine >> Read codes"},
    PathCase{L"A->B->C", L" A >> B >> C"},
    PathCase{L"->", L"  >> "},
    PathCase{L"a-->b", L" a- >> b"},
    PathCase{L"x-y>z-", L" x-y>z-"}));

TEST(GuidePath, KeepsTheEndOfAWidePathInView)
{
    EXPECT_EQ(GuideTextX(100, 800), 2);
    EXPECT_EQ(GuideTextX(798, 800), 2);
    EXPECT_EQ(GuideTextX(799, 800), -1);
    EXPECT_EQ(GuideTextX(1000, 800), -202);
}

struct BottomPlaceCase {
    int id;
    int width, height;
    bool wide;
    int x, y;
};

class BottomBarPlaceTest : public ::testing::TestWithParam<BottomPlaceCase> {};

TEST_P(BottomBarPlaceTest, PutsEachCommandInItsFixedPlace)
{
    const BottomPlaceCase& c = GetParam();
    const BOTTOM_BAR_BUTTON* button = FindBottomBarButton(c.id);
    ASSERT_NE(button, nullptr);
    const BAR_PLACE place = BottomBarButtonPlace(*button, 0, 0, 1024, 63, c.width, c.height, c.wide);
    EXPECT_EQ(place.x, c.x);
    EXPECT_EQ(place.y, c.y);
}

INSTANTIATE_TEST_SUITE_P(Cases, BottomBarPlaceTest, ::testing::Values(
    BottomPlaceCase{3004, 50, 50, false, 881, 7},
    BottomPlaceCase{3001, 50, 50, false, 951, 7},
    BottomPlaceCase{3001, 50, 50, true, 940, 7},
    BottomPlaceCase{3005, 38, 30, false, 574, 11},
    BottomPlaceCase{3029, 37, 36, false, 575, 7},
    BottomPlaceCase{3028, 38, 30, false, 646, 11},
    BottomPlaceCase{3002, 50, 50, false, 728, 7},
    BottomPlaceCase{3002, 50, 50, true, 745, 7},
    BottomPlaceCase{3003, 50, 50, false, 808, 7},
    BottomPlaceCase{3003, 50, 50, true, 842, 7},
    BottomPlaceCase{3011, 38, 38, false, 43, 10},
    BottomPlaceCase{3011, 37, 38, false, 44, 10},
    BottomPlaceCase{3030, 38, 38, false, 129, 10},
    BottomPlaceCase{3031, 38, 38, false, 70, 10},
    BottomPlaceCase{3033, 38, 38, true, 70, 10},
    BottomPlaceCase{3034, 31, 31, false, 195, 16},
    BottomPlaceCase{3035, 31, 31, false, 140, 16},
    BottomPlaceCase{1125, 31, 31, false, 250, 16},
    BottomPlaceCase{1126, 31, 31, false, 195, 16},
    BottomPlaceCase{1116, 31, 31, false, 250, 16},
    BottomPlaceCase{1117, 31, 31, false, 250, 16}));

TEST(BottomBarButtons, ShareSlotsOnlyForPrintAndItsTwin)
{
    std::vector<int> slots;
    for (int id : {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3030, 3031, 3033, 3034, 3035, 1125, 1126, 1116, 1117})
        slots.push_back(FindBottomBarButton(id)->slot);
    std::sort(slots.begin(), slots.end());
    EXPECT_EQ(std::adjacent_find(slots.begin(), slots.end()), slots.end()) << "one slot per command";
    EXPECT_EQ(slots.front(), 1);
    EXPECT_EQ(slots.back(), kBottomBarSlots);
    EXPECT_EQ(FindBottomBarButton(3029)->slot, FindBottomBarButton(3005)->slot);
    EXPECT_EQ(FindBottomBarButton(3011)->start, BOTTOM_BUTTON_START::ShownDisabled);
    EXPECT_EQ(FindBottomBarButton(3031)->start, BOTTOM_BUTTON_START::Hidden);
    EXPECT_EQ(FindBottomBarButton(3006), nullptr);
    EXPECT_EQ(BottomBarBackground(false), 355);
    EXPECT_EQ(BottomBarBackground(true), 434);
}

class BottomBarPiecesTest : public ::testing::TestWithParam<int> {};

TEST_P(BottomBarPiecesTest, EndTheImageAtTheRightEdgeOfAnyBar)
{
    const int width = GetParam();
    const auto pieces = BottomBarPieces(1024, 63, 0, 0, width, 63);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].sourceWidth, 180);
    EXPECT_EQ(pieces[0].width, 180);
    EXPECT_EQ(pieces[1].sourceX, 180);
    EXPECT_EQ(pieces[1].sourceWidth, 150);
    EXPECT_EQ(pieces[1].x, 180);
    EXPECT_EQ(pieces[1].width, width - 1024 + 330);
    EXPECT_EQ(pieces[1].height, 63);
    if (pieces[1].width > 0) {
        EXPECT_GE(pieces[1].x + pieces[1].width, pieces[2].x) << "no gap before the right end, which covers the rest";
    }
    EXPECT_EQ(pieces[2].sourceX, 330);
    EXPECT_EQ(pieces[2].sourceWidth, 694);
    EXPECT_EQ(pieces[2].x + pieces[2].width, width);
}

INSTANTIATE_TEST_SUITE_P(Widths, BottomBarPiecesTest, ::testing::Values(600, 800, 1024, 1280, 1920));

TEST(BarPieces, TopBarKeepsItsLeftPartAndStretchesTheRest)
{
    const auto pieces = TopBarPieces(1024, 80, 1280, 80);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].sourceWidth, 280);
    EXPECT_EQ(pieces[0].width, 280);
    EXPECT_EQ(pieces[1].sourceX, 280);
    EXPECT_EQ(pieces[1].sourceWidth, 744);
    EXPECT_EQ(pieces[1].x, 280);
    EXPECT_EQ(pieces[1].width, 1000);
}

TEST(BarPieces, LineBarKeepsItsEnds)
{
    const auto pieces = LineBarPieces(20, 4, 0, 0, 868, 3);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].x, 0);
    EXPECT_EQ(pieces[0].width, 4);
    EXPECT_EQ(pieces[1].sourceX, 6);
    EXPECT_EQ(pieces[1].sourceWidth, 6);
    EXPECT_EQ(pieces[1].x, 4);
    EXPECT_EQ(pieces[1].width, 860);
    EXPECT_EQ(pieces[2].sourceX, 16);
    EXPECT_EQ(pieces[2].x, 864);
    for (const STRETCH_PIECE& piece : pieces)
        EXPECT_EQ(piece.height, 3);
}

TEST(MiddleLeftItems, CommandsChooseItemsModuloSeven)
{
    const std::pair<int, int> cases[] = {{1089, -1}, {1090, 0}, {1093, 3}, {1096, 6},
                                         {1097, 0}, {1099, 2}, {1100, -1}, {0, -1}};
    for (const auto& [id, index] : cases)
        EXPECT_EQ(ItemIndexOfCommand(id), index) << id;
}

struct ActionCase {
    int viewId;
    bool flag, changed;
    ITEM_ACTION action;
};

class ItemActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ItemActionTest, DependsOnTheViewTheFlagAndTheChange)
{
    const ActionCase& c = GetParam();
    EXPECT_EQ(ItemActionFor(c.viewId, c.flag, c.changed), c.action);
}

using A = ITEM_ACTION;
INSTANTIATE_TEST_SUITE_P(Cases, ItemActionTest, ::testing::Values(
    ActionCase{131, false, false, A::ShowRegion},
    ActionCase{131, true, true, A::ShowRegion},
    ActionCase{136, false, true, A::None},
    ActionCase{136, true, false, A::ShowRegionAndReturn},
    ActionCase{295, false, false, A::ShowSettingsPage},
    ActionCase{445, false, false, A::None},
    ActionCase{445, false, true, A::RefreshInstalled},
    ActionCase{446, true, false, A::None},
    ActionCase{446, false, true, A::RefreshStore},
    ActionCase{476, false, true, A::None},
    ActionCase{476, true, false, A::ReturnToStore},
    ActionCase{491, false, true, A::None},
    ActionCase{491, true, false, A::CloseDocumentAndReturn},
    ActionCase{505, false, false, A::ShowManualPanels},
    ActionCase{137, true, true, A::None},
    ActionCase{286, true, true, A::None}));

}  // namespace
