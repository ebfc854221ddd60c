// The update page's decisions: which offered versions count as newer than the running one, and
// what the download button does in each state.
#include <gtest/gtest.h>

#include "UpdateCheck.h"

namespace {

using namespace update_check;

struct VERSION_CASE {
    const wchar_t* offered;
    bool newer;
};

TEST(UpdateCheckTest, OnlyAStrictlyGreaterVersionIsNewerThanTheRunningOne)
{
    const std::wstring installed = InstalledVersionText(6.3f);
    ASSERT_EQ(installed, L"6.30");
    const VERSION_CASE cases[] = {
        {L"6.3", false},  {L"6.30", false}, {L"6.300", false}, {L"6.29", false}, {L"6.31", true},
        {L"7", true},     {L" 6.4", true},  {L"6.31 beta", true}, {L"", false},  {L"V6.31", false},
        {L"abc", false},  {L"inf", false},  {L"nan", false},  {L"-7", false},
    };
    for (const VERSION_CASE& c : cases)
        EXPECT_EQ(IsNewerVersion(installed, c.offered), c.newer) << std::string(c.offered, c.offered + wcslen(c.offered));
}

TEST(UpdateCheckTest, UnreadableVersionsCountAsZero)
{
    EXPECT_EQ(VersionNumber(L""), 0.0f);
    EXPECT_EQ(VersionNumber(L"x1"), 0.0f);
    EXPECT_EQ(VersionNumber(L"1e999"), 0.0f);
    EXPECT_FLOAT_EQ(VersionNumber(L"6.31"), 6.31f);
}

TEST(UpdateCheckTest, TheDownloadButtonActsByState)
{
    const std::pair<UPDATE_STATE, DOWNLOAD_STEP> table[] = {
        {UPDATE_STATE::Unchecked, DOWNLOAD_STEP::Nothing},
        {UPDATE_STATE::Checking, DOWNLOAD_STEP::Nothing},
        {UPDATE_STATE::NoUpdate, DOWNLOAD_STEP::Nothing},
        {UPDATE_STATE::Offered, DOWNLOAD_STEP::ShowDescription},
        {UPDATE_STATE::Described, DOWNLOAD_STEP::OpenOrDownload},
        {UPDATE_STATE::Downloading, DOWNLOAD_STEP::Nothing},
        {UPDATE_STATE::Finished, DOWNLOAD_STEP::OpenDownloaded},
    };
    for (const auto& [state, step] : table)
        EXPECT_EQ(DownloadStepFor(state), step) << static_cast<int>(state);
}

}  // namespace
