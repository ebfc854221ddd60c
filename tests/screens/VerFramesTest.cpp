#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "VerFrames.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

class VerFramesTest : public ::testing::Test {
protected:
    void Request(uint16_t count, const std::string& title, const Pairs& pairs)
    {
        std::fill(memory.begin(), memory.end(), 0);
        std::string bytes = {0, 0, 50, 0, static_cast<char>(count >> 8), static_cast<char>(count)};
        bytes += title + '\0';
        for (const auto& [name, value] : pairs)
            bytes += name + '\0' + value + '\0';
        std::copy(bytes.begin(), bytes.end(), memory.begin());
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(VerFramesTest, ReadsTitleAndPairs)
{
    const Pairs pairs = {{"Part number", "8E0 907 551"}, {"Software", "0030"}, {"", ""}};
    Request(3, "Engine ECU", pairs);
    const VER_REQUEST request = ParseVerRequest(block);
    EXPECT_EQ(request.pairCount, 3);
    EXPECT_EQ(request.title, "Engine ECU");
    EXPECT_EQ(request.pairs, pairs);
}

TEST_F(VerFramesTest, AListHoldsAtMost255Pairs)
{
    Pairs pairs;
    for (int i = 0; i < 300; ++i)
        pairs.emplace_back("N" + std::to_string(i), "V" + std::to_string(i));
    Request(300, "", pairs);
    const VER_REQUEST request = ParseVerRequest(block);
    ASSERT_EQ(request.pairs.size(), kMaxVersionPairs);
    EXPECT_EQ(request.pairs.back(), (std::pair<std::string, std::string>{"N254", "V254"}));
}

TEST_F(VerFramesTest, ACountBeyondTheBytesStopsAtTheFrameArea)
{
    std::fill(memory.begin(), memory.end(), 'A');
    memory[4] = 0x00;
    memory[5] = 0xFF;
    const VER_REQUEST request = ParseVerRequest(block);
    EXPECT_EQ(request.title.size(), exchange::kMailboxOffset - 6);
    EXPECT_TRUE(request.pairs.empty());
}

TEST_F(VerFramesTest, BackAnswersItsKeyInFiveBytes)
{
    Request(1, "T", {{"a", "b"}});
    WriteVerAnswer(block, kVerKeyBack);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(memory.data()), 5), std::string("\x00\x05\x32\x00\x01", 5));
}

}  // namespace
