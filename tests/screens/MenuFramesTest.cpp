#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "MenuFrames.h"

namespace {

class MenuFramesTest : public ::testing::Test {
protected:
    void Request(int16_t selection, uint16_t firstRow, uint16_t count, const std::string& title,
                 const std::vector<std::string>& items)
    {
        std::string bytes = {0, 0, 0, 0, static_cast<char>(selection >> 8), static_cast<char>(selection),
                             static_cast<char>(firstRow >> 8), static_cast<char>(firstRow),
                             static_cast<char>(count >> 8), static_cast<char>(count)};
        bytes += title + '\0';
        for (const auto& item : items)
            bytes += item + '\0';
        std::memcpy(memory.data(), bytes.data(), bytes.size());
    }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

struct RowCase {
    int16_t selection;
    uint16_t firstRow;
    uint16_t expectedFirstRow;
};

class MenuFirstRowTest : public MenuFramesTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(MenuFirstRowTest, AChosenRowAboveThePageShowsTheListFromTheTop)
{
    Request(GetParam().selection, GetParam().firstRow, 2, "", {"a", "b"});
    const MENU_REQUEST request = ParseMenuRequest(block);
    EXPECT_EQ(request.firstRow, GetParam().expectedFirstRow);
    EXPECT_EQ(request.selection, GetParam().selection);
}

INSTANTIATE_TEST_SUITE_P(Cases, MenuFirstRowTest, ::testing::Values(
    RowCase{5, 10, 0}, RowCase{-1, 10, 10}, RowCase{12, 10, 10}, RowCase{10, 10, 10}));

TEST_F(MenuFramesTest, ReadsTitleAndItems)
{
    Request(-1, 0, 3, "", {"Engine", "ABS", "Airbag"});
    MENU_REQUEST request = ParseMenuRequest(block);
    EXPECT_TRUE(request.titleEmpty);
    EXPECT_EQ(request.items, (std::vector<std::string>{"Engine", "ABS", "Airbag"}));

    Request(-1, 0, 1, "Systems", {"Engine"});
    request = ParseMenuRequest(block);
    EXPECT_FALSE(request.titleEmpty);
    EXPECT_EQ(request.items, (std::vector<std::string>{"Engine"}));
}

TEST_F(MenuFramesTest, ACountBeyondTheBlockStopsAtThreeHundredItemsAndTheFrameArea)
{
    Request(-1, 0, 65535, "", {});
    EXPECT_EQ(ParseMenuRequest(block).items.size(), kMaxMenuItems);
    std::fill(memory.begin() + 10, memory.end(), 'x');  // one endless item
    const MENU_REQUEST request = ParseMenuRequest(block);
    EXPECT_FALSE(request.titleEmpty);
    EXPECT_TRUE(request.items.empty());
}

TEST_F(MenuFramesTest, ClickAnswerCarriesRowPageAndPath)
{
    memory[2] = 0;
    WriteMenuClickAnswer(block, 7, 5, u"Engine->Read codes");
    EXPECT_EQ(Bytes(0, 8), std::string("\x00\x08\x00\x00\x00\x07\x00\x05", 8));
    const std::u16string expected = u"MENU_CHOOSEDEngine->Read codes";
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(memory[8 + 2 * i] | memory[9 + 2 * i] << 8, expected[i]) << i;
    EXPECT_EQ(memory[8 + 2 * expected.size()], 0);

    std::memset(memory.data() + 8, 0x33, 4);
    WriteMenuClickAnswer(block, 1, 0, u"");
    EXPECT_EQ(Bytes(8, 4), "3333") << "no path: nothing written after the length";
}

TEST_F(MenuFramesTest, BackAnswerIsAllOnesAndThePage)
{
    WriteMenuBackAnswer(block, 0x0102);
    EXPECT_EQ(Bytes(0, 8), std::string("\x00\x08\x00\x00\xFF\xFF\x01\x02", 8));
}

}  // namespace
