#include <gtest/gtest.h>

#include <vector>

#include "VersionLaunch.h"

namespace {

struct NumberCase {
    const wchar_t* line;
    double number;
};

class VersionNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(VersionNumberTest, ReadsTheDigitsAroundTheFirstPoint)
{
    EXPECT_DOUBLE_EQ(VersionNumberOf(GetParam().line), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionNumberTest, ::testing::Values(
    NumberCase{L"V12.34 build 5", 12.34}, NumberCase{L"V9.8", 9.8}, NumberCase{L"V10", 0},
    NumberCase{L"Version 2.", 2}, NumberCase{L"V.5", 0.5}, NumberCase{L".", 0}, NumberCase{L"", 0},
    NumberCase{L"V1.2.3", 1.2}));

TEST(VersionOrder, HighestFirstAndEqualOnesInOrderOfArrival)
{
    std::vector<double> listed;
    std::vector<const wchar_t*> names;
    for (const wchar_t* line : {L"V9.8", L"V10.1 first", L"V10.1 second", L"V2.0", L"V11.0"}) {
        const size_t at = VersionInsertPosition(listed, VersionNumberOf(line));
        listed.insert(listed.begin() + static_cast<ptrdiff_t>(at), VersionNumberOf(line));
        names.insert(names.begin() + static_cast<ptrdiff_t>(at), line);
    }
    EXPECT_EQ(names, (std::vector<const wchar_t*>{L"V11.0", L"V10.1 first", L"V10.1 second", L"V9.8", L"V2.0"}));
}

TEST(SplitDescription, TakesTheFirstLineAsTheVersionLine)
{
    VERSION_DESCRIPTION parts = SplitDescription(L"V1.20\r\nFirst line\nSecond line");
    EXPECT_EQ(parts.versionLine, L"V1.20");
    EXPECT_EQ(parts.description, L"First line\nSecond line");
    parts = SplitDescription(L"V3.00");
    EXPECT_EQ(parts.versionLine, L"V3.00");
    EXPECT_EQ(parts.description, L"");
    EXPECT_EQ(SplitDescription(L"\r\nrest").versionLine, L"");
}

TEST(LanguageFolders, AreNotVersions)
{
    for (const wchar_t* name : {L"EN", L"de", L"Cn", L"SS"})
        EXPECT_TRUE(IsLanguageFolderName(name)) << std::wstring(name).size();
    for (const wchar_t* name : {L"V1.02", L"XX", L"ENG", L"", L"E"})
        EXPECT_FALSE(IsLanguageFolderName(name)) << std::wstring(name).size();
}

TEST(HelpDocument, IsNamedAfterTheVersionFolder)
{
    EXPECT_EQ(HelpDocumentPath(L"C:\\Scan\\EU\\ALFA\\V12.34\\", L"EN"), L"C:\\Scan\\EU\\ALFA\\V12.34\\\\V12_EN.pdf");
    EXPECT_EQ(HelpDocumentPath(L"V1\\", L"DE"), L"V1\\_DE.pdf") << "short names are clamped";
    EXPECT_EQ(HelpDocumentPath(L"", L"DE"), L"_DE.pdf");
}

struct GroupCase {
    const wchar_t* folder;
    uint8_t group;
};

class MakerGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(MakerGroupTest, IsTheLastListThatNamesTheFolder)
{
    EXPECT_EQ(MakerGroupOf(GetParam().folder), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(Cases, MakerGroupTest, ::testing::Values(
    GroupCase{L"C:\\Scan\\ASIA\\HONDAPRO\\", 3}, GroupCase{L"C:\\Scan\\EU\\BENZ\\", 1},
    GroupCase{L"C:\\Scan\\EU\\mini", 6}, GroupCase{L"C:\\Scan\\EU\\NOSUCH\\", 0},
    GroupCase{L"C:\\Scan\\\\", 0}, GroupCase{L"", 0}, GroupCase{L"C:\\Scan\\EU\\AM\\", 6}));

TEST(LinkProgram, IdComesFromAFileLongEnough)
{
    std::vector<uint8_t> file(3328, 0);
    file[1024] = 0x78;
    file[1025] = 0x56;
    file[1026] = 0x34;
    file[1027] = 0x12;
    EXPECT_EQ(LinkProgramIdOf(file), 0x12345678u);
    file.resize(3327);
    EXPECT_EQ(LinkProgramIdOf(file), 0u);
}

TEST(InterfaceReplies, VersionAndProgramListStayWithinTheReply)
{
    EXPECT_EQ(InterfaceVersionOf(std::vector<uint8_t>{0, 0x80, 0x12}), 0x8012);
    EXPECT_EQ(InterfaceVersionOf(std::vector<uint8_t>{0, 0x80}), std::nullopt);

    const std::vector<uint8_t> reply = {3, 1, 0x78, 0x56, 0x34, 0x12, 2, 0, 0, 0, 0, 3, 9, 0, 0, 0};
    const auto programs = ParseProgramQuery(reply);
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_EQ(programs[0].slot, 1);
    EXPECT_EQ(programs[0].id, 0x12345678u);
    EXPECT_EQ(programs[1].id, 9u);

    const std::vector<uint8_t> lying = {200, 1, 5, 0, 0, 0, 2, 6};  // claims 200 entries, holds one
    EXPECT_EQ(ParseProgramQuery(lying).size(), 1u);
    EXPECT_TRUE(ParseProgramQuery({}).empty());
}

TEST(ProgramDownload, IsSentInChunksOf256)
{
    const auto chunks = PlanProgramChunks(600);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].offset, 0u);
    EXPECT_EQ(chunks[1].offset, 256u);
    EXPECT_EQ(chunks[2].offset, 512u);
    EXPECT_EQ(chunks[2].length, 88);
    EXPECT_EQ(chunks[0].progressBefore, 0);
    EXPECT_EQ(chunks[1].progressBefore, 42);
    EXPECT_EQ(chunks[2].progressBefore, 85);
    EXPECT_EQ(PlanProgramChunks(512).size(), 2u);
    EXPECT_EQ(PlanProgramChunks(512)[1].length, 256);
    EXPECT_TRUE(PlanProgramChunks(0).empty());

    std::vector<uint8_t> image(600);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i);
    const auto frame = ProgramChunkFrame(8, chunks[2], image);
    ASSERT_EQ(frame.size(), 9u + 88u);
    EXPECT_EQ(std::vector<uint8_t>(frame.begin(), frame.begin() + 9),
              (std::vector<uint8_t>{0x00, 0x08, 0x08, 0x00, 0x00, 0x02, 0x00, 0x00, 0x58}));
    EXPECT_EQ(frame[9], static_cast<uint8_t>(512));
}

}  // namespace
