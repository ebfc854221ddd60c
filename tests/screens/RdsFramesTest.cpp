#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "RdsFrames.h"

using namespace std::string_literals;

namespace {

std::string Be16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

class RdsFramesTest : public ::testing::Test {
protected:
    // A request from byte 0: header, option, mode, id layout, count, then `rest`.
    void Request(uint8_t option, uint8_t mode, uint8_t layout, uint16_t count, const std::string& rest)
    {
        std::string bytes = {0, 0, 20, static_cast<char>(option), static_cast<char>(mode), static_cast<char>(layout)};
        bytes += Be16(count) + rest;
        std::memcpy(memory.data(), bytes.data(), bytes.size());
    }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

struct OptionCase {
    uint8_t option;
    bool textForm;
    uint8_t pagingMode;
};

class RdsOptionTest : public RdsFramesTest, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(RdsOptionTest, TheOptionByteChoosesFormAndPaging)
{
    const OptionCase& c = GetParam();
    const std::string paging = c.pagingMode == 1 ? Be16(40) + Be16(20) : "";
    const std::string item = c.textForm ? "Speed\0" "12\0" "km/h\0"s : "\1\2\3\4\5\6" "12\0"s;
    Request(c.option, 0, 0, 1, paging + "EN_DS.dat\0Engine\0"s + item);
    const RDS_REQUEST request = ParseRdsRequest(block);
    EXPECT_EQ(request.textForm, c.textForm);
    EXPECT_EQ(request.pagingMode, c.pagingMode);
    EXPECT_EQ(request.databaseName, "EN_DS.dat");
    EXPECT_EQ(request.title, "Engine");
    ASSERT_EQ(request.items.size(), 1u);
    EXPECT_EQ(request.items[0].value, "12");
    if (c.pagingMode == 1) {
        EXPECT_EQ(request.total, 40);
        EXPECT_EQ(request.pageBase, 20);
    }
    if (c.textForm) {
        EXPECT_EQ(request.items[0].name, "Speed");
        EXPECT_EQ(request.items[0].unit, "km/h");
    } else {
        EXPECT_EQ(request.items[0].id, (RDS_ID{1, 2, 3, 4, 5, 6}));
    }
}

INSTANTIATE_TEST_SUITE_P(Options, RdsOptionTest,
                         ::testing::Values(OptionCase{0x81, true, 1}, OptionCase{0x80, true, 0},
                                           OptionCase{0x01, false, 1}, OptionCase{0x00, false, 0},
                                           OptionCase{0x40, false, 0}, OptionCase{0x92, false, 2}));

TEST_F(RdsFramesTest, IdLayoutOneCarriesASecondFieldAndOtherLayoutsNoItems)
{
    Request(0x00, 0, 1, 2, "\0\0"s + "AAAAAA" "km/h\0\0" "5\0" "BBBBBB" "rpm\0\0\0" "800\0"s);
    RDS_REQUEST request = ParseRdsRequest(block);
    ASSERT_EQ(request.items.size(), 2u);
    EXPECT_EQ(RdsIdText(request.items[0].second), "km/h");
    EXPECT_EQ(request.items[1].value, "800");
    EXPECT_EQ(RdsIdText(request.items[1].second), "rpm");

    memory[5] = 2;
    request = ParseRdsRequest(block);
    EXPECT_EQ(request.itemCount, 2);
    EXPECT_TRUE(request.items.empty());
}

TEST_F(RdsFramesTest, ItemsStopAtAbsoluteItem300)
{
    std::string items;
    for (int i = 0; i < 400; ++i)
        items += "N\0" "1\0" "U\0"s;
    Request(0x80, 0, 0, 400, "\0\0"s + items);
    EXPECT_EQ(ParseRdsRequest(block).items.size(), 300u);

    Request(0x81, 0, 0, 400, Be16(400) + Be16(290) + "\0\0"s + items);
    const RDS_REQUEST paged = ParseRdsRequest(block);
    EXPECT_EQ(paged.items.size(), 10u) << "a page from item 290 ends at item 299";
    EXPECT_EQ(RdsAbsoluteItem(paged, 3), 293u);
}

TEST_F(RdsFramesTest, ACountLargerThanTheFrameStopsAtTheMailbox)
{
    std::fill(memory.begin(), memory.end(), 'x');  // no terminator anywhere
    Request(0x80, 0, 0, 0xFFFF, "");
    const RDS_REQUEST request = ParseRdsRequest(block);
    EXPECT_LE(request.items.size(), 1u);
    EXPECT_EQ(memory[exchange::kMailboxOffset], 'x');
}

TEST_F(RdsFramesTest, TheSameListNeedsEqualIdsInOrder)
{
    Request(0x00, 0, 1, 2, "\0\0"s + "AAAAAA" "111111" "1\0" "BBBBBB" "222222" "2\0"s);
    const RDS_REQUEST request = ParseRdsRequest(block);
    const RDS_ID a = {'A', 'A', 'A', 'A', 'A', 'A'};
    const RDS_ID b = {'B', 'B', 'B', 'B', 'B', 'B'};
    const RDS_ID one = {'1', '1', '1', '1', '1', '1'};
    const RDS_ID two = {'2', '2', '2', '2', '2', '2'};
    EXPECT_TRUE(IsSameRdsList(request, {a, b}, {one, two}));
    EXPECT_FALSE(IsSameRdsList(request, {b, a}, {one, two})) << "order";
    EXPECT_FALSE(IsSameRdsList(request, {a}, {one})) << "length";
    EXPECT_FALSE(IsSameRdsList(request, {a, b}, {one, one})) << "second field";
    memory[3] = 0x80;
    EXPECT_FALSE(IsSameRdsList(ParseRdsRequest(block), {}, {})) << "the text form is always new";
}

TEST_F(RdsFramesTest, AnswersKeepLengthFiveAlsoWithThePage)
{
    std::fill(memory.begin(), memory.begin() + 16, 0x5A);
    WriteRdsAnswer(block, RDS_ANSWER{11, false, 0, 0});
    EXPECT_EQ(Bytes(0, 6), "\x00\x05\x5A\x5A\x0B\x5A"s) << "the page is not written without paging";

    WriteRdsAnswer(block, RDS_ANSWER{14, true, 0x0114, 20});
    EXPECT_EQ(Bytes(0, 9), "\x00\x05\x5A\x5A\x0E\x01\x14\x00\x14"s);
}

}  // namespace
