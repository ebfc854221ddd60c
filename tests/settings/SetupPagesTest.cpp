#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "LanguagePageLayout.h"
#include "SetupPages.h"

namespace {

TEST(SetupPages, StandInTheirBarOrderWithTheirTitlesAndCommands)
{
    struct Expected {
        SETUP_PAGE page;
        uint32_t titleId;
        const wchar_t* english;
        bool accept, paging, before, after;
    };
    using P = SETUP_PAGE;
    const Expected expected[] = {
        {P::Language, 0x10080008, L"Language", true, true, false, false},
        {P::RunMode, 0x1008000A, L"Run Mode", true, false, false, false},
        {P::Units, 0x10080009, L"Unit Selection", true, false, false, false},
        {P::WindowSize, 0x10080034, L"Window Size", true, false, false, false},
        {P::Log, 0x10080037, L"log", true, false, false, false},
        {P::Update, 0x20000005, L"Update", false, false, true, false},
        {P::SystemInformation, 0x10080004, L"System Information", false, false, false, true},
    };
    ASSERT_EQ(SetupPages().size(), std::size(expected));
    for (int i = 0; i < kSetupPageCount; ++i) {
        SCOPED_TRACE(i);
        const SETUP_PAGE_ENTRY* entry = SetupPageAt(i);
        ASSERT_NE(entry, nullptr);
        const Expected& e = expected[i];
        EXPECT_EQ(entry->page, e.page);
        EXPECT_EQ(entry->titleId, e.titleId);
        EXPECT_STREQ(entry->english, e.english);
        EXPECT_EQ(entry->acceptEnabled, e.accept);
        EXPECT_EQ(entry->buttonPaging, e.paging);
        EXPECT_EQ(entry->checkBeforeShow, e.before);
        EXPECT_EQ(entry->readAfterShow, e.after);
        EXPECT_EQ(SetupPageIndex(e.page), i);
    }
    EXPECT_EQ(SetupPageAt(-1), nullptr);
    EXPECT_EQ(SetupPageAt(kSetupPageCount), nullptr);
}

TEST(SetupPages, AreMadeOnceEachAndAppliedInTheirOrder)
{
    using P = SETUP_PAGE;
    const auto made = SetupPageCreationOrder();
    EXPECT_EQ(std::set<P>(made.begin(), made.end()).size(), static_cast<size_t>(kSetupPageCount));
    EXPECT_EQ(made.front(), P::SystemInformation);
    EXPECT_EQ(made.back(), P::Update);
    const auto applied = SetupPageApplyOrder();
    EXPECT_EQ(std::vector<P>(applied.begin(), applied.end()),
              (std::vector<P>{P::RunMode, P::Units, P::Language, P::WindowSize, P::Log}));
}

}  // namespace

namespace {

TEST(LanguagePageLayoutTest, FillsColumnsOfButtonsPageByPage)
{
    const LANGUAGE_PAGE_LAYOUT layout = LanguagePageLayoutFor(600, 200, 13);
    EXPECT_EQ(layout.rows, 3);
    EXPECT_EQ(layout.columns, 2);
    EXPECT_EQ(layout.perPage, 6);
    EXPECT_EQ(layout.pageCount, 3);
    const std::pair<size_t, std::pair<int, int>> places[] = {{0, {0, 0}}, {2, {0, 126}}, {3, {299, 0}}, {12, {0, 0}}};
    for (const auto& [index, place] : places) {
        EXPECT_EQ(LanguageButtonPlace(layout, index).x, place.first) << index;
        EXPECT_EQ(LanguageButtonPlace(layout, index).y, place.second) << index;
    }
    EXPECT_EQ(LanguagePageLayoutFor(600, 123, 6).rows, 2) << "a last row may stand three pixels out";
    const LANGUAGE_PAGE_LAYOUT tiny = LanguagePageLayoutFor(10, 10, 2);
    EXPECT_EQ(tiny.perPage, 1) << "never less than one button a page";
    EXPECT_EQ(tiny.pageCount, 2);
    EXPECT_EQ(LanguagePageLayoutFor(600, 200, 0).pageCount, 0);
}

}  // namespace
