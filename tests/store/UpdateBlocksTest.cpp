#include <gtest/gtest.h>

#include "UpdateBlocks.h"
#include "UpdateRules.h"

using namespace update_blocks;

namespace {

DownloadJobFields SampleJob()
{
    DownloadJobFields job;
    job.ServerFolder = L"D:\\WebSite\\pkg\\";
    job.ServerFile = L"EUROPE\\ALPHA.7z";
    job.LocalFile = L"c:\\shell\\\\download\\ALPHA.7z";
    job.Region = L"EUROPE";
    job.SoftwareCode = L"ALPHA";
    job.LanguageCode = L"EN";
    job.SoftwareUploadid = L"11";
    job.JobId = -7;
    job.Version = L"V1.10";
    job.LastJob = 1;
    return job;
}

TEST(UpdateBlocksTest, JobIsPackedFieldAfterFieldWithoutAlignment)
{
    DownloadJobFields job;
    job.ServerFolder = L"A";
    job.JobId = 0x01020304;
    job.LastJob = 1;
    const auto block = PackDownloadJob(job);
    ASSERT_TRUE(block);
    // "A\0", then six empty texts (one zero unit each), then the number at byte 16.
    EXPECT_EQ((*block)[0], 'A');
    EXPECT_EQ((*block)[16], 0x04);
    EXPECT_EQ((*block)[19], 0x01);
    EXPECT_EQ((*block)[20], 0);  // the empty Version
    EXPECT_EQ((*block)[22], 1);  // the last-job flag
    EXPECT_EQ((*block)[26], 0);
}

TEST(UpdateBlocksTest, JobAndResultComeBackAsTheyWent)
{
    const auto job = SampleJob();
    const auto block = PackDownloadJob(job);
    ASSERT_TRUE(block);
    EXPECT_EQ(ReadDownloadJob(*block), job);

    const auto result = update_rules::ResultFieldsFor(job, true);
    const auto resultBlock = PackDownloadResult(result);
    ASSERT_TRUE(resultBlock);
    EXPECT_EQ(ReadDownloadResult(*resultBlock), result);
    EXPECT_EQ(result.LocalFile, job.LocalFile);
    EXPECT_EQ(result.LastJob, 1);
    EXPECT_EQ(result.Downloaded, 1);
}

TEST(UpdateBlocksTest, JobTooLongForTheBlockIsRefusedNotCut)
{
    auto job = SampleJob();
    job.ServerFile = std::wstring(400, L'x');
    EXPECT_TRUE(PackDownloadJob(job));
    job.ServerFile = std::wstring(480, L'x');
    EXPECT_FALSE(PackDownloadJob(job));
}

TEST(UpdateBlocksTest, BlockWithoutTerminatorsIsNotReadPastItsEnd)
{
    Block block;
    block.fill(0x41);
    EXPECT_FALSE(ReadDownloadJob(block));
    EXPECT_FALSE(ReadDownloadResult(block));
}

TEST(UpdateBlocksTest, ProgressBlockHoldsJobAndPercent)
{
    const auto block = PackProgress(-3, 42);
    int32_t jobId = 0;
    uint32_t percent = 0;
    ReadProgress(block, jobId, percent);
    EXPECT_EQ(jobId, -3);
    EXPECT_EQ(percent, 42u);
}

}  // namespace
