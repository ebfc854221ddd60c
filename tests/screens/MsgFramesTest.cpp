#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"
#include "MsgFrames.h"

namespace {

class MsgFramesTest : public ::testing::Test {
protected:
    void Write(const std::string& bytes) { std::memcpy(memory.data(), bytes.data(), bytes.size()); }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(MsgFramesTest, MessageCarriesTypeTextAndTitle)
{
    Write(std::string("\x00\x00\x3C\x00\x00\xC4" "Erase codes?\0Erase\0", 25));
    const MESSAGE_REQUEST request = ParseMessageRequest(block);
    EXPECT_EQ(request.typeWord, 0x00C4);
    EXPECT_EQ(request.text, "Erase codes?");
    EXPECT_EQ(request.title, "Erase");

    Write(std::string("\x00\x00\x3C\x00\x01\x03" "Go\0\0", 10));
    EXPECT_EQ(ParseMessageRequest(block).typeWord, 0x0103);
    EXPECT_EQ(ParseMessageRequest(block).title, "");
}

TEST_F(MsgFramesTest, ProgressCarriesPositionTextAndTitleFlag)
{
    Write(std::string("\x00\x00\x50\x00\x2D" "Writing\0\x01", 14));
    PROGRESS_REQUEST request = ParseProgressRequest(block);
    EXPECT_EQ(request.position, 45);
    EXPECT_EQ(request.text, "Writing");
    EXPECT_TRUE(request.textIsTitle);

    Write(std::string("\x00\x00\x50\x00\x64\x00\x00", 7));
    request = ParseProgressRequest(block);
    EXPECT_EQ(request.position, 100);
    EXPECT_EQ(request.text, "");
    EXPECT_FALSE(request.textIsTitle);
}

TEST_F(MsgFramesTest, TextsWithoutTerminatorStopAtTheMailbox)
{
    std::fill(memory.begin() + 4, memory.end(), 'A');
    const MESSAGE_REQUEST message = ParseMessageRequest(block);
    EXPECT_EQ(message.text.size(), exchange::kMailboxOffset - 6);
    EXPECT_EQ(message.title, "");
    const PROGRESS_REQUEST progress = ParseProgressRequest(block);
    EXPECT_EQ(progress.text.size(), exchange::kMailboxOffset - 5);
    EXPECT_FALSE(progress.textIsTitle) << "the flag would lie in the mailbox";
}

TEST_F(MsgFramesTest, KeyAnswerIsFiveBytesWithTheCode)
{
    Write(std::string("\x00\x09\x3C\x07\x00\x04" "No\0", 9));
    WriteKeyAnswer(block, 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(memory.data()), 5), std::string("\x00\x05\x3C\x07\x04", 5));
}

struct LinesCase {
    const wchar_t* text;
    const wchar_t* expected;
};

class CrLfLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(CrLfLinesTest, EveryLineEndsWithCrLf)
{
    EXPECT_EQ(ToCrLfLines(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CrLfLinesTest, ::testing::Values(
    LinesCase{L"", L""},
    LinesCase{L"one", L"one"},
    LinesCase{L"one\ntwo", L"one\r\ntwo"},
    LinesCase{L"one\r\ntwo", L"one\r\ntwo"},
    LinesCase{L"\n\n", L"\r\n\r\n"},
    LinesCase{L"a\r\r\nb\rc", L"a\r\r\nb\rc"}));

}  // namespace
