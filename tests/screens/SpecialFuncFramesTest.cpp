#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"
#include "SpecialFuncFrames.h"

using namespace std::string_literals;

namespace {

class SpecialFuncFramesTest : public ::testing::Test {
protected:
    void Write(const std::string& bytes) { std::memcpy(memory.data(), bytes.data(), bytes.size()); }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(SpecialFuncFramesTest, ReadsButtonsRowsTextAndBounds)
{
    Write("\0\0\x6E\x80\0\x02"s + "Bleed\0"s + "\x01\0\0\0\0\x01\x02"s + "\x01\0\0\0\0\x02\x00"s +
          "\0\0\x02"s + "\x01\0\0\0\0\x05" "-12.5\0"s + "\x01\0\0\0\0\x06" "7\0"s + "Open the valve\0"s +
          "\0\x0A\x01\xF4\x12\x34"s);
    const SPECIAL_FUNC_REQUEST request = ParseSpecialFuncRequest(block);
    EXPECT_TRUE(request.updateForm);
    EXPECT_EQ(request.title, "Bleed");
    ASSERT_EQ(request.buttons.size(), 2u);
    EXPECT_FALSE(request.buttons[0].enabled) << "flag 2";
    EXPECT_TRUE(request.buttons[1].enabled);
    EXPECT_EQ(request.buttons[1].key[5], 2);
    EXPECT_FALSE(request.longKeys);
    ASSERT_EQ(request.rows.size(), 2u);
    EXPECT_EQ(request.rows[0].key[5], 5);
    EXPECT_EQ(request.rows[0].value, "-12.5");
    EXPECT_EQ(request.rows[1].value, "7");
    EXPECT_EQ(request.text, "Open the valve");
    EXPECT_EQ(request.lower, 10);
    EXPECT_EQ(request.upper, 500);
    EXPECT_EQ(request.extra, 0x1234);
}

TEST_F(SpecialFuncFramesTest, TwelveByteKeysAndAnEmptyTextArea)
{
    Write("\0\0\x6E\0\0\0"s + "\0"s + "\x01\0\x01"s + "\x01\0\0\0\0\x05\x02\0\0\0\0\x09" "3\0"s + "\0\0"s +
          "\0\x64"s);
    SPECIAL_FUNC_REQUEST request = ParseSpecialFuncRequest(block);
    EXPECT_FALSE(request.updateForm);
    EXPECT_TRUE(request.longKeys);
    ASSERT_EQ(request.rows.size(), 1u);
    EXPECT_EQ(request.rows[0].second[0], 2);
    EXPECT_EQ(request.rows[0].value, "3");
    EXPECT_EQ(request.text, "1") << "two zero bytes read as \"1\"";
    EXPECT_EQ(request.lower, 0) << "the bounds follow the text's terminator";
    EXPECT_EQ(request.upper, 0x6400);

    Write("\0\0\x6E\0\0\0"s + "\0"s + "\0\0\0"s + "\0A\0"s);
    request = ParseSpecialFuncRequest(block);
    EXPECT_EQ(request.text, "");
}

TEST_F(SpecialFuncFramesTest, CountsAreCutToTheFrameArea)
{
    // 65535 button records claimed: only 32 buttons, and the scan stops at the frame area's end.
    std::fill(memory.begin(), memory.end(), 0x41);
    Write("\0\0\x6E\0\xFF\xFF"s + "T\0"s);
    SPECIAL_FUNC_REQUEST request = ParseSpecialFuncRequest(block);
    EXPECT_EQ(request.buttons.size(), special_func::kMaxButtons);
    EXPECT_TRUE(request.rows.empty());

    // 65535 rows with endless values: at most 300, none past the frame area.
    std::fill(memory.begin(), memory.end(), 0x41);
    Write("\0\0\x6E\0\0\0"s + "\0"s + "\0\xFF\xFF"s);
    request = ParseSpecialFuncRequest(block);
    EXPECT_LE(request.rows.size(), 1u);
    for (const SPECIAL_FUNC_ROW& row : request.rows)
        EXPECT_LT(row.value.size(), exchange::kMailboxOffset);
}

TEST(SpecialFuncValues, ValuesAndBarPositions)
{
    EXPECT_EQ(SpecialFuncValue("42 rpm"), 42);
    EXPECT_EQ(SpecialFuncValue("-12.5"), -12);
    EXPECT_EQ(SpecialFuncValue("open"), 0);
    EXPECT_EQ(SpecialFuncBarPosition(50, 0, 100), 50);
    EXPECT_EQ(SpecialFuncBarPosition(-5, 0, 100), 0);
    EXPECT_EQ(SpecialFuncBarPosition(120, 0, 100), 100);
    EXPECT_EQ(SpecialFuncBarPosition(120, 100, 0), 100) << "bounds the wrong way round";
}

}  // namespace
