#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"

namespace {

class ExchangeFramesTest : public ::testing::Test {
protected:
    void Put(size_t offset, const std::string& bytes) { std::memcpy(memory.data() + offset, bytes.data(), bytes.size()); }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

struct ClassifyCase {
    uint8_t code;
    FRAME_COMMAND kind;
    int viewId;  // 0: none
};

class ClassifyTest : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyTest, SortsCodesByWhoServesThem)
{
    EXPECT_EQ(ClassifyCommand(GetParam().code), GetParam().kind);
    EXPECT_EQ(ScreenViewId(GetParam().code).value_or(0), GetParam().viewId);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClassifyTest, ::testing::Values(
    ClassifyCase{0, FRAME_COMMAND::Screen, 137}, ClassifyCase{10, FRAME_COMMAND::Screen, 138},
    ClassifyCase{20, FRAME_COMMAND::Screen, 161}, ClassifyCase{30, FRAME_COMMAND::Screen, 166},
    ClassifyCase{40, FRAME_COMMAND::Screen, 160}, ClassifyCase{50, FRAME_COMMAND::Screen, 158},
    ClassifyCase{60, FRAME_COMMAND::Screen, 164}, ClassifyCase{70, FRAME_COMMAND::Screen, 167},
    ClassifyCase{80, FRAME_COMMAND::Screen, 165}, ClassifyCase{90, FRAME_COMMAND::Screen, 168},
    ClassifyCase{100, FRAME_COMMAND::Screen, 159}, ClassifyCase{110, FRAME_COMMAND::Screen, 10046},
    ClassifyCase{120, FRAME_COMMAND::Screen, 10056}, ClassifyCase{101, FRAME_COMMAND::Question, 0},
    ClassifyCase{0x82, FRAME_COMMAND::Help, 0}, ClassifyCase{0xFD, FRAME_COMMAND::Text, 0},
    ClassifyCase{0xFE, FRAME_COMMAND::EndDiagnosis, 0}, ClassifyCase{0xFF, FRAME_COMMAND::StartDiagnosis, 0},
    ClassifyCase{5, FRAME_COMMAND::Other, 0}, ClassifyCase{0x79, FRAME_COMMAND::Other, 0},
    ClassifyCase{140, FRAME_COMMAND::Other, 0}, ClassifyCase{0xFC, FRAME_COMMAND::Other, 0}));

TEST_F(ExchangeFramesTest, StartAnswerHoldsEveryFieldAndItsLength)
{
    memory[2] = 0xFF;
    memory[3] = 0x11;
    START_ANSWER answer{"C:\\Scan\\EU\\ALFA\\V1.00\\", "DE", "1", 1, "0", 1};
    const uint16_t length = WriteStartAnswer(block, answer);
    const std::string expected = std::string("C:\\Scan\\EU\\ALFA\\V1.00") + '\0' + "DE" + '\0' + '\0' + "1" + '\0' +
                                 '\x01' + '\x02' + "6.30" + '\0' + "0" + '\0' + '\x01' + '\x04';
    EXPECT_EQ(Bytes(4, expected.size()), expected);
    EXPECT_EQ(length, 4 + expected.size());
    EXPECT_EQ(memory[0] << 8 | memory[1], length);
    EXPECT_EQ(memory[2], 0xFF);
    EXPECT_EQ(memory[3], 0x11);

    answer.softwareFolder = "D:\\NoSlash";
    const uint16_t shorter = WriteStartAnswer(block, answer);
    EXPECT_EQ(Bytes(4, 11), std::string("D:\\NoSlash") + '\0');
    EXPECT_EQ(shorter, length - 12 + 1);
}

TEST_F(ExchangeFramesTest, DatabaseVersionIsTheSecondText)
{
    Put(4, std::string("BENZ") + '\0' + "3.25" + '\0' + "1.0" + '\0');
    EXPECT_FLOAT_EQ(ParseDatabaseVersion(block), 3.25f);
    Put(4, std::string("x") + '\0' + "abc" + '\0');
    EXPECT_FLOAT_EQ(ParseDatabaseVersion(block), 0.0f);
}

TEST_F(ExchangeFramesTest, TextAnswerLeavesTheHeaderAndStopsBeforeTheMailbox)
{
    Put(0, std::string("\x00\x06\xFD\x00", 4));
    WriteTextAnswer(block, u"Yes");
    EXPECT_EQ(Bytes(0, 4), std::string("\x00\x06\xFD\x00", 4));
    EXPECT_EQ(Bytes(4, 8), std::string("Y\0e\0s\0\0\0", 8));

    memory[exchange::kMailboxOffset] = 0x42;
    WriteTextAnswer(block, std::u16string(40000, u'x'));
    EXPECT_EQ(memory[exchange::kMailboxOffset - 2], 0);
    EXPECT_EQ(memory[exchange::kMailboxOffset - 1], 0);
    EXPECT_EQ(memory[exchange::kMailboxOffset], 0x42) << "the answer never reaches the mailbox";
}

TEST_F(ExchangeFramesTest, QuestionAnswerIsAlwaysTwo)
{
    memory[2] = 101;
    WriteQuestionAnswer(block);
    EXPECT_EQ(Bytes(0, 5), std::string("\x00\x05\x65\x00\x02", 5));
}

TEST_F(ExchangeFramesTest, TextsWithoutTerminatorEndAtTheFrameArea)
{
    std::fill(memory.begin(), memory.end(), 'A');
    CRequestReader reader(block);
    size_t offset = 10;
    EXPECT_EQ(reader.Text(offset).size(), exchange::kMailboxOffset - 10);
    EXPECT_EQ(offset, exchange::kMailboxOffset);
    EXPECT_EQ(reader.Text(offset), "");
    EXPECT_EQ(reader.BE16(exchange::kMailboxOffset - 1), 'A' << 8);
}

}  // namespace
