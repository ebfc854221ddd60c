#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RepairHistory.h"

namespace {

enum class Op { Complete, Back, Forward, Reset };

struct Step {
    Op op;
    const wchar_t* path;  // for Complete; for Back/Forward the page expected
    int index;            // afterwards
    bool canBack;
    bool canForward;
    size_t count;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

TEST(RepairHistory, NavigationScenarios)
{
    const Scenario scenarios[] = {
        {"pages are appended",
         {{Op::Complete, L"a", 0, false, false, 1}, {Op::Complete, L"b", 1, true, false, 2},
          {Op::Complete, L"c", 2, true, false, 3}}},
        {"the same page twice counts once",
         {{Op::Complete, L"a", 0, false, false, 1}, {Op::Complete, L"a", 0, false, false, 1}}},
        {"back and forward walk the list without adding",
         {{Op::Complete, L"a", 0, false, false, 1}, {Op::Complete, L"b", 1, true, false, 2},
          {Op::Back, L"a", 0, false, true, 2}, {Op::Complete, L"a", 0, false, true, 2},
          {Op::Forward, L"b", 1, true, false, 2}, {Op::Complete, L"b", 1, true, false, 2}}},
        {"a new page after back cuts the later entries",
         {{Op::Complete, L"a", 0, false, false, 1}, {Op::Complete, L"b", 1, true, false, 2},
          {Op::Complete, L"c", 2, true, false, 3}, {Op::Back, L"b", 1, true, true, 3},
          {Op::Complete, L"b", 1, true, true, 3}, {Op::Complete, L"d", 2, true, false, 3}}},
        {"an in-page link is followed but not entered",
         {{Op::Complete, L"x\\a.mht", 0, false, false, 1}, {Op::Complete, L"x\\a.mht#!s2", 0, false, false, 1},
          {Op::Complete, L"x\\b.mht", 1, true, false, 2}}},
        {"no step beyond the ends",
         {{Op::Back, L"", -1, false, false, 0}, {Op::Complete, L"a", 0, false, false, 1},
          {Op::Forward, L"", 0, false, false, 1}, {Op::Back, L"", 0, false, false, 1}}},
        {"reset empties the list",
         {{Op::Complete, L"a", 0, false, false, 1}, {Op::Complete, L"b", 1, true, false, 2},
          {Op::Reset, L"", -1, false, false, 0}, {Op::Complete, L"c", 0, false, false, 1}}},
    };
    for (const Scenario& scenario : scenarios) {
        CRepairHistory history;
        for (size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            std::wstring page;
            switch (step.op) {
            case Op::Complete: history.OnNavigateComplete(step.path); break;
            case Op::Back: page = history.StepBack(); break;
            case Op::Forward: page = history.StepForward(); break;
            case Op::Reset: history.Reset(); break;
            }
            SCOPED_TRACE(std::string(scenario.name) + ", step " + std::to_string(i));
            if (step.op == Op::Back || step.op == Op::Forward) {
                EXPECT_EQ(page, step.path);
            }
            EXPECT_EQ(history.Index(), step.index);
            EXPECT_EQ(history.CanGoBack(), step.canBack);
            EXPECT_EQ(history.CanGoForward(), step.canForward);
            EXPECT_EQ(history.Pages().size(), step.count);
        }
    }
}

TEST(RepairHistory, OnlyRestoredCopiesAreOursToRemove)
{
    CRepairHistory history;
    history.NoteRestored(L"t:\\work\\a.mht");
    history.NoteRestored(L"t:\\work\\b.mht");
    EXPECT_FALSE(history.TakeRestored(L"c:\\shell\\readme.mht"));
    EXPECT_TRUE(history.TakeRestored(L"t:\\work\\a.mht"));
    EXPECT_FALSE(history.TakeRestored(L"t:\\work\\a.mht"));
    EXPECT_EQ(history.TakeAllRestored(), std::vector<std::wstring>{L"t:\\work\\b.mht"});
    EXPECT_TRUE(history.TakeAllRestored().empty());
}

}  // namespace
