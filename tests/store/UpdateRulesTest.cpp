#include <gtest/gtest.h>

#include "UpdateRules.h"

using namespace update_rules;

namespace {

TEST(UpdateRulesTest, LocalFileIsTheNameAfterTheLastBackslash)
{
    const std::wstring folder = L"c:\\shell\\\\download";
    EXPECT_EQ(LocalFileFor(folder, L"EUROPE\\sub\\ALPHA.7z"), L"c:\\shell\\\\download\\ALPHA.7z");
    EXPECT_EQ(LocalFileFor(folder, L"ALPHA.7z"), L"c:\\shell\\\\download\\ALPHA.7z");
    for (const wchar_t* unsafe : {L"", L"EUROPE\\", L"a\\..", L"..", L"x/../../evil.7z", L"c:evil.7z"})
        EXPECT_FALSE(LocalFileFor(folder, unsafe)) << unsafe;
}

TEST(UpdateRulesTest, JobOfAnUnsafeNameHasNoLocalFile)
{
    UpdateJob job;
    job.Record.FullPathFileName = L"..";
    EXPECT_EQ(JobFieldsFor(job, L"d", false).LocalFile, L"");
    job.Record.FullPathFileName = L"up\\A.7z";
    EXPECT_EQ(JobFieldsFor(job, L"d", true).LocalFile, L"d\\A.7z");
    EXPECT_EQ(JobFieldsFor(job, L"d", true).LastJob, 1);
}

TEST(UpdateRulesTest, JobTooLongForItsBlockKeepsOnlyItsNumberAndFlag)
{
    UpdateJob job;
    job.JobId = 9;
    job.Record.FullPathFileName = L"up\\A.7z";
    job.Record.congName = std::wstring(2000, L'x');  // not carried: the block still fits
    EXPECT_EQ(update_blocks::ReadDownloadJob(JobBlockFor(job, L"d", true))->LocalFile, L"d\\A.7z");
    job.Record.MainPath = std::wstring(600, L'x');
    const auto stripped = update_blocks::ReadDownloadJob(JobBlockFor(job, L"d", true));
    ASSERT_TRUE(stripped);
    EXPECT_EQ(stripped->LocalFile, L"");
    EXPECT_EQ(stripped->JobId, 9);
    EXPECT_EQ(stripped->LastJob, 1);
}

TEST(UpdateRulesTest, DownloadUrlReplacesTheSiteFolderAndBackslashes)
{
    EXPECT_EQ(DownloadUrl(L"D:\\WebSite\\pkg\\", L"EUROPE\\A.7z", L"D:\\WebSite\\", L"http://127.0.0.1:81/"),
              L"http://127.0.0.1:81/pkg/EUROPE/A.7z");
    EXPECT_EQ(DownloadUrl(L"pkg\\", L"A.7z", L"", L"http://h/"), L"pkg/A.7z");
}

TEST(UpdateRulesTest, OnlySevenZipNamesGoToTheArchiver)
{
    EXPECT_TRUE(IsSevenZipArchive(L"c:\\d\\A.7z"));
    EXPECT_TRUE(IsSevenZipArchive(L"c:\\d\\A.7z.001"));
    EXPECT_FALSE(IsSevenZipArchive(L"c:\\d\\A.7Z"));
    EXPECT_FALSE(IsSevenZipArchive(L"c:\\d\\A.zip"));
    EXPECT_FALSE(IsSevenZipArchive(L".7z"));
    EXPECT_FALSE(IsSevenZipArchive(L""));
}

TEST(UpdateRulesTest, ArchiverUnpacksIntoTheProgramFolder)
{
    EXPECT_EQ(ArchiverCommandLine(L"C:\\SHELL~1\\", L"C:\\SHELL~1\\download\\A.7z"),
              L"C:\\SHELL~1\\7za.exe x \"C:\\SHELL~1\\download\\A.7z\" -y -aoa -o\"C:\\SHELL~1\\\" ");
}

TEST(UpdateRulesTest, PackageFolderStaysBelowScan)
{
    update_blocks::DownloadResultFields result;
    result.Region = L"EUROPE", result.SoftwareCode = L"ALPHA", result.LanguageCode = L"EN";
    EXPECT_EQ(PackageFolderFor(L"c:\\shell\\", result), L"c:\\shell\\SCAN\\EUROPE\\ALPHA\\EN\\");
    result.SoftwareCode = L"..";
    EXPECT_FALSE(PackageFolderFor(L"c:\\shell\\", result));
}

TEST(UpdateRulesTest, PercentDoesNotWrapForLargePackages)
{
    EXPECT_FALSE(ProgressPercent(10, 0));
    EXPECT_EQ(ProgressPercent(0, 200), 0u);
    EXPECT_EQ(ProgressPercent(100, 200), 50u);
    EXPECT_EQ(ProgressPercent(50000000, 100000000), 50u);
    EXPECT_EQ(ProgressPercent(4000000000u, 4000000000u), 100u);
    EXPECT_EQ(ProgressPercent(300, 200), 100u);
}

}  // namespace
