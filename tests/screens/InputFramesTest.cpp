#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "InputFrames.h"

namespace {

using namespace std::string_literals;

class InputFramesTest : public ::testing::Test {
protected:
    void Request(const std::string& payload)
    {
        std::fill(memory.begin(), memory.end(), 0);
        std::copy(payload.begin(), payload.end(), memory.begin() + 4);
    }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(InputFramesTest, ReadsTheSixTexts)
{
    Request("Enter the code\0Coding\0" "042\0X\0-5\0+20\0"s);
    const INPUT_REQUEST request = ParseInputRequest(block);
    EXPECT_EQ(request.prompt, "Enter the code");
    EXPECT_EQ(request.title, "Coding");
    EXPECT_EQ(request.initialValue, "042");
    EXPECT_EQ(request.inputType, "X");
    EXPECT_EQ(request.minimum, "-5");
    EXPECT_EQ(request.maximum, "+20");
}

TEST_F(InputFramesTest, TheInputTypeTakesExactlyTwoBytes)
{
    // An empty type still takes two bytes, so the minimum's first byte goes with it; a longer type
    // is cut to two bytes and the rest starts the minimum.
    Request("P\0\0\0\0" "15\0" "30\0"s);
    INPUT_REQUEST request = ParseInputRequest(block);
    EXPECT_EQ(request.inputType, "");
    EXPECT_EQ(request.minimum, "5");
    EXPECT_EQ(request.maximum, "30");

    Request("P\0\0\0" "9912\0" "30\0"s);
    request = ParseInputRequest(block);
    EXPECT_EQ(request.inputType, "9912");
    EXPECT_EQ(request.minimum, "12");
    EXPECT_EQ(request.maximum, "30");
}

TEST_F(InputFramesTest, TextsWithoutTerminatorsEndAtTheMailbox)
{
    std::fill(memory.begin(), memory.end(), 'A');
    const INPUT_REQUEST request = ParseInputRequest(block);
    EXPECT_EQ(request.prompt.size(), exchange::kMailboxOffset - 4);
    EXPECT_TRUE(request.title.empty());
    EXPECT_TRUE(request.maximum.empty());
}

struct RangeCase {
    const char* type;
    const char* value;
    bool acceptable;
};

class InputRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(InputRangeTest, OnlyNumbersAreCheckedAgainstTheRange)
{
    INPUT_REQUEST request;
    request.inputType = GetParam().type;
    request.minimum = "10";
    request.maximum = "20";
    EXPECT_EQ(InputValueAcceptable(request, GetParam().value), GetParam().acceptable) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, InputRangeTest, ::testing::Values(
    RangeCase{"9", "15", true}, RangeCase{"9", "10", true}, RangeCase{"9", "20", true},
    RangeCase{"9", "25", false}, RangeCase{"9", "9", false}, RangeCase{"9", "12ab", true},
    RangeCase{"9", "  12", true}, RangeCase{"9", "", false}, RangeCase{"9", "-15", false},
    RangeCase{"9", "1-5", false}, RangeCase{"9", "99999999999999999999", false},
    RangeCase{"A", "xyz", true}, RangeCase{"X", "FFFF", true}, RangeCase{"", "", true}));

TEST(InputRangeEdgeTest, BoundsAreSignedAndSaturate)
{
    INPUT_REQUEST request;
    request.inputType = "9";
    request.minimum = "-40";
    request.maximum = "-10";
    EXPECT_TRUE(InputValueAcceptable(request, "-25"));
    EXPECT_FALSE(InputValueAcceptable(request, "25"));
    request.minimum = "-99999999999999999999";
    request.maximum = "99999999999999999999";
    EXPECT_TRUE(InputValueAcceptable(request, "-99999999999999999999"));
    EXPECT_TRUE(InputValueAcceptable(request, "2147483647"));
}

TEST_F(InputFramesTest, TheAnswerCountsTheTextAndSixBytes)
{
    memory[2] = 70;
    WriteInputAnswer(block, kInputKeyAccept, "12");
    EXPECT_EQ(Bytes(0, 8), std::string("\x00\x08\x46\x00\x01" "12\0", 8));
    WriteInputAnswer(block, kInputKeyBack, "");
    EXPECT_EQ(Bytes(0, 6), std::string("\x00\x06\x46\x00\x02\0", 6));
}

TEST_F(InputFramesTest, ALongTextIsCutSoItsLengthFitsTheLengthByte)
{
    WriteInputAnswer(block, kInputKeyAccept, std::string(400, 'Z'));
    EXPECT_EQ(memory[1], 255);
    EXPECT_EQ(Bytes(5, kMaxInputAnswerText), std::string(kMaxInputAnswerText, 'Z'));
    EXPECT_EQ(memory[5 + kMaxInputAnswerText], 0);
}

}  // namespace
