// The selection screen's request, answers and saved selection records.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ExchangeFrames.h"
#include "MultSelectFrames.h"

namespace {

std::string BE16(uint16_t value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

class MultSelectFramesTest : public ::testing::Test {
protected:
    // A request of `count` items "I0", "I1", ... with the given preselection bytes and maximum.
    void Request(uint8_t option, uint16_t count, const std::string& bits, uint16_t maximum,
                 const std::string& status = "", bool statusCounted = true)
    {
        std::string bytes = std::string{0, 0, 40, static_cast<char>(option)} + BE16(count) + BE16(0) + "Pick" + '\0';
        for (uint16_t i = 0; i < count; ++i)
            bytes += "I" + std::to_string(i) + '\0';
        bytes += bits + BE16(maximum);
        const size_t total = bytes.size() + (statusCounted ? status.size() + 1 : 0);
        bytes += status + '\0';
        bytes[0] = static_cast<char>(total >> 8);
        bytes[1] = static_cast<char>(total);
        std::memcpy(memory.data(), bytes.data(), bytes.size());
    }
    std::string Bytes(size_t offset, size_t count) const
    {
        return std::string(reinterpret_cast<const char*>(memory.data() + offset), count);
    }

    std::vector<uint8_t> memory = std::vector<uint8_t>(exchange::kBlockSize, 0);
    ExchangeBlock block{memory.data(), exchange::kBlockSize};
};

TEST_F(MultSelectFramesTest, NineItemsWithTheFirstAndLastMarkedAnswerTwoBitBytes)
{
    Request(0, 9, std::string("\x80\x80", 2), 9);
    const MULTI_SELECT_REQUEST request = ParseMultiSelectRequest(block);
    EXPECT_FALSE(request.singleChoice);
    ASSERT_EQ(request.items.size(), 9u);
    EXPECT_EQ(request.items[8], "I8");
    EXPECT_EQ(PreselectedRows(request), (std::vector<size_t>{0, 8}));
    EXPECT_TRUE(request.status.empty());

    std::vector<bool> marked(9, false);
    marked[0] = marked[8] = true;
    WriteMultiSelectAccept(block, 0, marked);
    EXPECT_EQ(Bytes(0, 9), std::string("\x00\x09\x28\x00\x01\x00\x00\x80\x80", 9));
}

TEST_F(MultSelectFramesTest, TheMaximumCutsThePreselection)
{
    Request(0, 8, std::string("\xE0", 1), 1);
    EXPECT_EQ(PreselectedRows(ParseMultiSelectRequest(block)), (std::vector<size_t>{0}));
}

TEST_F(MultSelectFramesTest, AStatusTextCountsOnlyInsideTheRequest)
{
    Request(1, 2, std::string("\x40", 1), 1, "Choose one");
    const MULTI_SELECT_REQUEST request = ParseMultiSelectRequest(block);
    EXPECT_TRUE(request.singleChoice);
    EXPECT_EQ(request.status, "Choose one");
    Request(1, 2, std::string("\x40", 1), 1, "Left over", false);
    EXPECT_TRUE(ParseMultiSelectRequest(block).status.empty());
}

TEST_F(MultSelectFramesTest, AnswersOfTheSingleChoiceAndOfBack)
{
    Request(1, 2, std::string("\x00", 1), 0);
    WriteSingleChoiceAccept(block, 5, 3);
    EXPECT_EQ(Bytes(0, 8), std::string("\x00\x08\x28\x01\x00\x05\x00\x03", 8));
    std::memset(memory.data(), 0x5A, 8);
    WriteSingleChoiceBack(block);
    EXPECT_EQ(Bytes(0, 8), std::string("\x00\x08\x5A\x02\x5A\x5A\x5A\x5A", 8)) << "bytes 4 to 7 untouched";
    WriteMultiSelectBack(block);
    EXPECT_EQ(Bytes(0, 5), std::string("\x00\x07\x5A\x02\x02", 5));
}

TEST_F(MultSelectFramesTest, AnAnswerForAHugeCountStaysWithinItsOneByteLength)
{
    Request(0, 0, "", 0);
    memory[4] = 0xFF;
    memory[5] = 0xFF;
    WriteMultiSelectAccept(block, 0, {});
    EXPECT_EQ(memory[1], 7 + 38) << "no more bits than a list holds";
}

struct RecordCase {
    const char* name;
    std::string text;
    SELECTION_RECORD_RESULT result;
    std::vector<size_t> rows;
};

class SelectionRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(SelectionRecordTest, Reads)
{
    const SELECTION_RECORD record = ParseSelectionRecord(GetParam().text, "c:\\scan\\eu\\alfa\\v1\\");
    EXPECT_EQ(record.result, GetParam().result);
    EXPECT_EQ(record.rows, GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Files, SelectionRecordTest, ::testing::Values(
    RecordCase{"three_rows", "c:\\scan\\eu\\alfa\\v1\\\n3\n1;4;9;\n", SELECTION_RECORD_RESULT::Loaded, {1, 4, 9}},
    RecordCase{"crlf_lines", "c:\\scan\\eu\\alfa\\v1\\\r\n1\r\n7;\r\n", SELECTION_RECORD_RESULT::Loaded, {7}},
    RecordCase{"other_software", "c:\\scan\\eu\\beta\\v1\\\n1\n7;\n", SELECTION_RECORD_RESULT::WrongSoftware, {}},
    RecordCase{"count_zero", "c:\\scan\\eu\\alfa\\v1\\\n0\n", SELECTION_RECORD_RESULT::Broken, {}},
    RecordCase{"count_too_big", "c:\\scan\\eu\\alfa\\v1\\\n301\n1;\n", SELECTION_RECORD_RESULT::Broken, {}},
    RecordCase{"count_not_a_number", "c:\\scan\\eu\\alfa\\v1\\\nmany\n1;\n", SELECTION_RECORD_RESULT::Broken, {}},
    RecordCase{"row_too_big", "c:\\scan\\eu\\alfa\\v1\\\n2\n1;999;\n", SELECTION_RECORD_RESULT::BrokenRow, {1}},
    RecordCase{"empty_file", "", SELECTION_RECORD_RESULT::WrongSoftware, {}}),
    [](const ::testing::TestParamInfo<RecordCase>& param) { return std::string(param.param.name); });

TEST(SelectionRecordNameTest, PadsTheDateWithZeros)
{
    EXPECT_EQ(SelectionRecordName(2026, 1, 5), "20260105.txt");
    EXPECT_EQ(SelectionRecordName(2026, 12, 10), "20261210.txt");
}

}  // namespace
