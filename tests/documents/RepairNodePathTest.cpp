#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RepairNodePath.h"

namespace {

enum class Op { Shown, Chosen, Pop, Restore, Clear };

struct Step {
    Op op;
    std::vector<std::wstring> items;
    int row;
    const wchar_t* path;  // GetNodePath afterwards
    size_t levels;        // levels afterwards
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

const std::vector<std::wstring> kTop = {L"Engine", L"ABS", L"Airbag"};
const std::vector<std::wstring> kEngine = {L"Read codes", L"Live data"};
const std::vector<std::wstring> kLive = {L"Group 1", L"Group 2", L"Group 3"};
const std::vector<std::wstring> kLevel[5] = {{L"a0", L"a1"}, {L"b0", L"b1"}, {L"c0", L"c1", L"c2"}, {L"d0"}, {L"e0"}};

std::vector<Step> FiveLevelsThenChooseInTheThird()
{
    std::vector<Step> steps = {
        {Op::Chosen, kLevel[0], 0, L"a0", 1},
        {Op::Chosen, kLevel[1], 0, L"a0->b0", 2},
        {Op::Chosen, kLevel[2], 0, L"a0->b0->c0", 3},
        {Op::Chosen, kLevel[3], 0, L"a0->b0->c0->d0", 4},
        {Op::Chosen, kLevel[4], 0, L"a0->b0->c0->d0->e0", 5},
        {Op::Chosen, kLevel[2], 2, L"a0->b0->c2", 3},
    };
    return steps;
}

const Scenario kScenarios[] = {
    {"DownTheMenuAndBack", {
        {Op::Shown, kTop, 0, L"", 0},
        {Op::Chosen, kTop, 0, L"Engine", 1},
        {Op::Shown, kEngine, 0, L"Engine", 1},
        {Op::Chosen, kEngine, 1, L"Engine->Live data", 2},
        {Op::Chosen, kLive, 2, L"Engine->Live data->Group 3", 3},
        {Op::Pop, {}, 0, L"Engine->Live data", 2},
        {Op::Shown, kEngine, 0, L"Engine", 1},  // the engine menu is shown again: its level goes
        {Op::Chosen, kEngine, 0, L"Engine->Read codes", 2},
        {Op::Shown, kTop, 0, L"", 0},            // the top menu again empties the path
    }},
    {"ChoosingInAnEarlierMenuCutsThePathThere", FiveLevelsThenChooseInTheThird()},
    {"LevelsCompareByTheirTextsExactlyAndNotByRow", {
        {Op::Chosen, {L"A", L"B"}, 0, L"A", 1},
        {Op::Chosen, {L"a", L"b"}, 1, L"A->b", 2},       // other case: another menu
        {Op::Chosen, {L"A"}, 0, L"A->b->A", 3},          // fewer items: another menu
        {Op::Chosen, {L"A", L"B", L""}, 2, L"A->b->A->", 4},  // more items: another menu
        {Op::Chosen, {L"A", L"B"}, 1, L"B", 1},          // same texts, other row: the first level
    }},
    {"ARowOutsideTheMenuNamesNothing", {
        {Op::Chosen, {L"A", L"B"}, 2, L"", 1},
        {Op::Chosen, {L"C"}, 0, L"->C", 2},
        {Op::Chosen, {L"D"}, -1, L"->C->", 3},
        {Op::Chosen, {L"E"}, 0x7FFFFFFF, L"->C->->", 4},
        {Op::Chosen, {}, 0, L"->C->->->", 5},
    }},
    {"RestoreUndoesTheLastChange", {
        {Op::Restore, {}, 0, L"", 0},  // nothing saved yet
        {Op::Chosen, kTop, 1, L"ABS", 1},
        {Op::Chosen, kEngine, 0, L"ABS->Read codes", 2},
        {Op::Pop, {}, 0, L"ABS", 1},
        {Op::Restore, {}, 0, L"ABS->Read codes", 2},
        {Op::Shown, kTop, 0, L"", 0},
        {Op::Restore, {}, 0, L"", 0},  // the saved copy follows every change
    }},
    {"PopOnAnEmptyPathAndClear", {
        {Op::Pop, {}, 0, L"", 0},
        {Op::Chosen, kTop, 2, L"Airbag", 1},
        {Op::Chosen, kLive, 0, L"Airbag->Group 1", 2},
        {Op::Pop, {}, 0, L"Airbag", 1},
        {Op::Clear, {}, 0, L"", 0},
        {Op::Restore, {}, 0, L"", 0},  // a finished diagnosis leaves nothing to restore
        {Op::Chosen, kLive, 1, L"Group 2", 1},
    }},
};

class RepairNodePathTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(RepairNodePathTest, EveryStepLeavesTheExpectedPath)
{
    CRepairNodePath path;
    const std::vector<Step>& steps = GetParam().steps;
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        switch (step.op) {
        case Op::Shown: path.OnMenuShown(step.items); break;
        case Op::Chosen: path.OnMenuItemChosen(step.items, step.row); break;
        case Op::Pop: path.PopLevel(); break;
        case Op::Restore: path.RestorePath(); break;
        case Op::Clear: path.ClearNodes(); break;
        }
        EXPECT_EQ(path.GetNodePath(), step.path) << "step " << i;
        EXPECT_EQ(path.GetNodes().size(), step.levels) << "step " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, RepairNodePathTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& c) { return std::string(c.param.name); });

TEST(RepairNodePath, TheLevelChosenAgainKeepsItsItemsAndTakesTheNewRow)
{
    CRepairNodePath path;
    for (const auto& step : FiveLevelsThenChooseInTheThird())
        path.OnMenuItemChosen(step.items, step.row);
    ASSERT_EQ(path.GetNodes().size(), 3u);
    EXPECT_EQ(path.GetNodes().back().items, kLevel[2]);
    EXPECT_EQ(path.GetNodes().back().row, 2);
}

}  // namespace
