#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ActiveTestFrames.h"

using namespace std::string_literals;

namespace {

class ActiveTestFramesTest : public ::testing::Test {
protected:
    ExchangeBlock Request(uint8_t option, const std::string& payload)
    {
        std::fill(memory.begin(), memory.end(), 0);
        const std::string bytes = "\0\0\x1E"s + static_cast<char>(option) + payload;
        std::copy(bytes.begin(), bytes.end(), memory.begin());
        return ExchangeBlock(memory.data(), exchange::kBlockSize);
    }
    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize);
};

struct ModeCase {
    uint8_t option;
    bool textForm;
    bool answerMode;
    bool editVisible;
};

TEST_F(ActiveTestFramesTest, TheOptionByteChoosesFormModeAndEdit)
{
    const ModeCase cases[] = {{0x00, false, false, false}, {0xFF, false, true, false}, {0x8F, true, true, false},
                              {0x80, true, false, false}, {0x01, false, false, true}, {0x81, true, false, true},
                              {0x0F, false, false, false}};
    for (const ModeCase& c : cases) {
        const ACTIVE_TEST_REQUEST request = ParseActiveTestRequest(Request(c.option, "\0\0\0\0\0\0"s));
        EXPECT_EQ(request.textForm, c.textForm) << int(c.option);
        EXPECT_EQ(request.answerMode, c.answerMode) << int(c.option);
        EXPECT_EQ(request.editVisible, c.editVisible) << int(c.option);
    }
}

TEST_F(ActiveTestFramesTest, ButtonsHeadersRowsAndHelpAreRead)
{
    const std::string payload = "\0\x02" "T\0" "ABCDEF\x02" "X\0\0\0\0\0\x01"
                                "\0\x02" "H1\0" "H2\0"
                                "\x01\0\x01" "\x01\0\0\0\0\x07" "UNIT01" "12\0" "Help\0"s;
    const ACTIVE_TEST_REQUEST request = ParseActiveTestRequest(Request(0x02, payload));
    EXPECT_EQ(request.title, "T");
    ASSERT_EQ(request.buttons.size(), 2u);
    EXPECT_EQ(request.buttons[0].caption, "ABCDEF") << "six bytes, no terminator needed";
    EXPECT_FALSE(request.buttons[0].enabled);
    EXPECT_EQ(request.buttons[1].caption, "X");
    EXPECT_TRUE(request.buttons[1].enabled);
    EXPECT_EQ(request.columnLayout, 2);
    EXPECT_EQ(request.headers, (std::vector<std::string>{"H1", "H2"}));
    EXPECT_EQ(request.rowLayout, 1);
    ASSERT_EQ(request.rows.size(), 1u);
    EXPECT_EQ(request.rows[0].id[5], 7);
    EXPECT_EQ(RdsIdText(request.rows[0].second), "UNIT01");
    EXPECT_EQ(request.rows[0].value, "12");
    EXPECT_EQ(request.helpText, "Help");
}

TEST_F(ActiveTestFramesTest, CountsFromOutsideAreClampedToTheFrameArea)
{
    std::string buttons;
    for (int i = 0; i < 40; ++i)
        buttons += "B\0\0\0\0\0\0"s;
    ACTIVE_TEST_REQUEST request = ParseActiveTestRequest(Request(0x80, "\0\x28" "\0"s + buttons + "\0\x01\x2C"s));
    EXPECT_EQ(request.buttonCount, 40);
    EXPECT_EQ(request.buttons.size(), 32u) << "only 32 buttons";
    EXPECT_EQ(request.rows.size(), 300u) << "a row count above 300 is taken as 300";

    std::fill(memory.begin(), memory.end(), 'A');  // no terminator anywhere
    memory[2] = 0x1E;
    memory[3] = 0x82;
    request = ParseActiveTestRequest(ExchangeBlock(memory.data(), exchange::kBlockSize));
    EXPECT_LE(request.title.size(), exchange::kMailboxOffset);
    EXPECT_TRUE(request.rows.size() <= 300u);

    request = ParseActiveTestRequest(Request(0x00, "\0\0" "\0" "\x05\0\x03"s));
    EXPECT_TRUE(request.rows.empty()) << "an unknown row layout takes no rows";
}

TEST(ActiveTestAnswer, KeysAndClickedRows)
{
    std::vector<uint8_t> memory(exchange::kBlockSize, 0xAA);
    const ExchangeBlock block(memory.data(), exchange::kBlockSize);
    WriteActiveTestAnswer(block, 4, std::nullopt);
    EXPECT_EQ(std::vector<uint8_t>(memory.begin(), memory.begin() + 8),
              (std::vector<uint8_t>{0, 5, 0xAA, 0xAA, 4, 0xAA, 0xAA, 0xAA}));
    WriteActiveTestAnswer(block, 255, uint16_t{0x0103});
    EXPECT_EQ(std::vector<uint8_t>(memory.begin() + 4, memory.begin() + 8), (std::vector<uint8_t>{255, 0xAA, 1, 3}));
    EXPECT_EQ(ActiveTestMailboxKey(3017), 1);
    EXPECT_EQ(ActiveTestMailboxKey(3048), 32);
}

}  // namespace
