#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DSRecord.h"
#include "TempFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ToBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::string Count(uint32_t value)
{
    return std::string{static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                       static_cast<char>(value >> 24)};
}

std::vector<std::wstring> Row(std::initializer_list<const wchar_t*> texts)
{
    return std::vector<std::wstring>(texts.begin(), texts.end());
}

// --- the size counter and its limit

struct SizeCase {
    const char* name;
    std::vector<std::pair<std::wstring, std::wstring>> items;
    uint64_t expected;
};

class DSRecordSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DSRecordSizeTest, CountsEveryTextWithItsTerminatorFromEight)
{
    CDSRecord record;
    for (const auto& [name, unit] : GetParam().items)
        record.AddItem(name, unit);
    EXPECT_EQ(record.GetSize(), GetParam().expected);
    EXPECT_EQ(record.GetItemCount(), static_cast<int>(GetParam().items.size()));
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecordSizeTest, ::testing::Values(
    SizeCase{"Empty", {}, 8},
    SizeCase{"TwoItems", {{L"RPM", L"rpm"}, {L"Speed", L"km/h"}}, 27},
    SizeCase{"EmptyTexts", {{L"", L""}}, 10},
    SizeCase{"WideCharacters", {{L"\u6E29\u5EA6", L"\u00B0C"}}, 14}),
    [](const auto& c) { return std::string(c.param.name); });

struct LimitCase {
    const char* name;
    size_t textLength;  // the next row's single text, on a recording at 524,280
    int accepted;
    uint64_t sizeAfter;
};

class DSRecordLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(DSRecordLimitTest, RefusesARowPastTheLimitWhole)
{
    CDSRecord record;
    record.AddItem(L"", L"");                                  // 10
    const std::vector<std::wstring> filler = {std::wstring(524269, L'x')};  // + 524,270
    ASSERT_EQ(record.AddSampleRow(filler), 1);
    ASSERT_EQ(record.GetSize(), 524280u);

    const std::vector<std::wstring> row = {std::wstring(GetParam().textLength, L'7')};
    EXPECT_EQ(record.AddSampleRow(row), GetParam().accepted);
    EXPECT_EQ(record.GetSize(), GetParam().sizeAfter);
    EXPECT_EQ(record.GetRowCount(), GetParam().accepted ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecordLimitTest, ::testing::Values(
    LimitCase{"OnePastTheLimit", 8, 0, 524280},
    LimitCase{"ExactlyAtTheLimit", 7, 1, 524288},
    LimitCase{"Empty", 0, 1, 524281}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DSRecord, ARowOfAnotherWidthIsRefused)
{
    CDSRecord record;
    record.AddItem(L"A", L"");
    record.AddItem(L"B", L"");
    EXPECT_EQ(record.AddSampleRow(Row({L"1"})), 0);
    EXPECT_EQ(record.AddSampleRow(Row({L"1", L"2", L"3"})), 0);
    EXPECT_EQ(record.GetSampleCount(), 0);
    EXPECT_EQ(record.GetSize(), 8u + 2 + 1 + 2 + 1);
    EXPECT_EQ(record.AddSampleRow(Row({L"1", L"2"})), 1);
    EXPECT_EQ(record.GetSampleCount(), 2);
}

// --- reading samples back

struct SampleCase {
    int row;
    int item;
    const wchar_t* expected;  // null: none
};

class DSRecordSampleTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(DSRecordSampleTest, GivesTextInsideTheSamplesAndNullOutside)
{
    CDSRecord record;
    record.AddItem(L"A", L"V");
    record.AddItem(L"B", L"A");
    record.AddSampleRow(Row({L"a0", L"b0"}));
    record.AddSampleRow(Row({L"a1", L"b1"}));
    record.AddSampleRow(Row({L"a2", L"b2"}));
    ASSERT_EQ(record.GetRowCount(), 3);
    const wchar_t* sample = record.GetSample(GetParam().row, GetParam().item);
    if (GetParam().expected)
        EXPECT_STREQ(sample, GetParam().expected);
    else
        EXPECT_EQ(sample, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecordSampleTest, ::testing::Values(
    SampleCase{0, 0, L"a0"}, SampleCase{1, 1, L"b1"}, SampleCase{2, 1, L"b2"},
    SampleCase{2, 2, nullptr}, SampleCase{3, 0, nullptr}, SampleCase{-1, 0, nullptr},
    SampleCase{0, -1, nullptr}, SampleCase{0x7FFFFFFF, 1, nullptr}));

TEST(DSRecord, HasNoRowsWithoutItems)
{
    CDSRecord record;
    EXPECT_EQ(record.GetRowCount(), 0);
    EXPECT_EQ(record.GetSample(0, 0), nullptr);
    EXPECT_EQ(record.GetItemName(0), nullptr);
    EXPECT_EQ(record.GetItemUnit(-1), nullptr);
}

// --- the file

// Two items, five rows: the sample count 10 holds the byte 0x0A and goes out as 0D 0A 00 00 00.
CDSRecord SmallRecording()
{
    CDSRecord record;
    record.AddItem(L"RPM", L"1/min");
    record.AddItem(L"\u00D6ltemp \u6E29\u5EA6 x", L"\u00B0C");
    const wchar_t* rows[5][2] = {{L"800", L"20"}, {L"950", L"21.5"}, {L"", L"x\U0001F600y"},
                                 {L"a\nb", L"c\rd"}, {L"1000", L"\u00FF"}};
    for (const auto& row : rows)
        EXPECT_EQ(record.AddSampleRow(Row({row[0], row[1]})), 1);
    return record;
}

const std::string kSmallRecordingBytes =
    std::string("\x02\x00\x00\x00", 4) +
    "RPM\r\n" "1/min\r\n"
    "\xD6ltemp ?? x\r\n" "\xB0" "C\r\n" +
    std::string("\r\n\x00\x00\x00", 5) +
    "800\r\n" "20\r\n"
    "950\r\n" "21.5\r\n"
    "\r\n" "x?y\r\n"
    "a?b\r\n" "c\rd\r\n"
    "1000\r\n" "\xFF\r\n";

TEST(DSRecordFile, WritesTheLayoutByteForByte)
{
    const CDSRecord record = SmallRecording();
    EXPECT_EQ(record.ToFileBytes(), ToBytes(kSmallRecordingBytes));

    CTempFolder folder;
    ASSERT_EQ(record.SaveToFile(folder / "rec"), 1);
    EXPECT_EQ(ReadFileBytes(folder / "rec"), kSmallRecordingBytes);
}

TEST(DSRecordFile, ReadsTheLayoutBack)
{
    CTempFolder folder;
    CDSRecord record;
    ASSERT_EQ(record.LoadFromFile(folder.Write("rec", kSmallRecordingBytes)), 1);
    ASSERT_EQ(record.GetItemCount(), 2);
    EXPECT_STREQ(record.GetItemName(1), L"\u00D6ltemp ?? x");
    EXPECT_STREQ(record.GetItemUnit(1), L"\u00B0C");
    ASSERT_EQ(record.GetRowCount(), 5);
    ASSERT_EQ(record.GetSampleCount(), 10);
    EXPECT_STREQ(record.GetSample(1, 1), L"21.5");
    EXPECT_STREQ(record.GetSample(2, 0), L"");
    EXPECT_STREQ(record.GetSample(3, 1), L"c\rd");  // a lone carriage return is text
    EXPECT_STREQ(record.GetSample(4, 1), L"\u00FF");
}

TEST(DSRecordFile, SaveFailsWhereNoFileCanBeWritten)
{
    CTempFolder folder;
    EXPECT_EQ(SmallRecording().SaveToFile(folder / "missing" / "rec"), 0);
    CDSRecord record;
    EXPECT_EQ(record.LoadFromFile(folder / "missing" / "rec"), 0);
    EXPECT_EQ(record.LoadFromFile(folder.Path()), 0);
}

struct RoundTripCase {
    const char* name;
    int items;
    int rows;
};

class DSRecordRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Counts whose bytes are 0x0A, 0x0D or 0x1A, alone or side by side, read back as written.
TEST_P(DSRecordRoundTripTest, CountsWithLineEndAndEndOfFileBytesReadBack)
{
    CDSRecord written;
    for (int i = 0; i < GetParam().items; ++i)
        written.AddItem(L"item" + std::to_wstring(i), L"u" + std::to_wstring(i));
    for (int r = 0; r < GetParam().rows; ++r) {
        std::vector<std::wstring> row;
        for (int i = 0; i < GetParam().items; ++i)
            row.push_back(std::to_wstring(r) + L"." + std::to_wstring(i));
        ASSERT_EQ(written.AddSampleRow(row), 1);
    }
    CTempFolder folder;
    ASSERT_EQ(written.SaveToFile(folder / "rec"), 1);

    CDSRecord read;
    ASSERT_EQ(read.LoadFromFile(folder / "rec"), 1);
    ASSERT_EQ(read.GetItemCount(), GetParam().items);
    ASSERT_EQ(read.GetSampleCount(), GetParam().items * GetParam().rows);
    EXPECT_EQ(read.GetRowCount(), GetParam().rows);
    for (int i = 0; i < GetParam().items; ++i) {
        EXPECT_STREQ(read.GetItemName(i), written.GetItemName(i));
        EXPECT_STREQ(read.GetItemUnit(i), written.GetItemUnit(i));
    }
    for (int r = 0; r < GetParam().rows; ++r)
        for (int i = 0; i < GetParam().items; ++i)
            ASSERT_STREQ(read.GetSample(r, i), written.GetSample(r, i)) << r << "," << i;
}

INSTANTIATE_TEST_SUITE_P(Counts, DSRecordRoundTripTest, ::testing::Values(
    RoundTripCase{"Samples10", 1, 10},           // 0A
    RoundTripCase{"Samples13", 1, 13},           // 0D
    RoundTripCase{"Samples26", 2, 13},           // 1A
    RoundTripCase{"Samples282", 1, 282},         // 1A 01
    RoundTripCase{"Samples266", 2, 133},         // 0A 01
    RoundTripCase{"Samples2573", 1, 2573},       // 0D 0A
    RoundTripCase{"Samples3338", 2, 1669},       // 0A 0D
    RoundTripCase{"Items10", 10, 1},
    RoundTripCase{"Items13", 13, 2},
    RoundTripCase{"Items26", 26, 1},
    RoundTripCase{"Items300", 300, 1},
    RoundTripCase{"NoSamples", 3, 0}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DSRecordFile, LinesOfAnyLengthReadWholeAndShiftNothing)
{
    CDSRecord written;
    written.AddItem(std::wstring(300, L'N'), std::wstring(40, L'U'));
    written.AddItem(L"second", L"V");
    ASSERT_EQ(written.AddSampleRow(Row({std::wstring(150, L'5').c_str(), L"next"})), 1);
    ASSERT_EQ(written.AddSampleRow(Row({L"1", std::wstring(1000, L'9').c_str()})), 1);
    CDSRecord read;
    ASSERT_EQ(read.LoadFromBytes(written.ToFileBytes()), 1);
    ASSERT_EQ(read.GetItemCount(), 2);
    EXPECT_EQ(std::wstring(read.GetItemName(0)), std::wstring(300, L'N'));
    EXPECT_EQ(std::wstring(read.GetItemUnit(0)), std::wstring(40, L'U'));
    EXPECT_STREQ(read.GetItemName(1), L"second");
    ASSERT_EQ(read.GetRowCount(), 2);
    EXPECT_EQ(std::wstring(read.GetSample(0, 0)), std::wstring(150, L'5'));
    EXPECT_STREQ(read.GetSample(0, 1), L"next");
    EXPECT_STREQ(read.GetSample(1, 0), L"1");
    EXPECT_EQ(std::wstring(read.GetSample(1, 1)), std::wstring(1000, L'9'));
}

// --- files that are broken or lie about their counts

const std::string kTwoItems = Count(2) + "A\r\nV\r\nB\r\nW\r\n";

struct BadFileCase {
    const char* name;
    std::string bytes;
    int result;
    int items;
    int samples;
};

class DSRecordBadFileTest : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(DSRecordBadFileTest, StopsAtTheEndAndHoldsOnlyWhatIsThere)
{
    CDSRecord record;
    EXPECT_EQ(record.LoadFromBytes(ToBytes(GetParam().bytes)), GetParam().result);
    EXPECT_EQ(record.GetItemCount(), GetParam().items);
    EXPECT_EQ(record.GetSampleCount(), GetParam().samples);
    for (int i = 0; i < record.GetSampleCount(); ++i)
        EXPECT_NE(record.GetSample(i / record.GetItemCount(), i % record.GetItemCount()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, DSRecordBadFileTest, ::testing::Values(
    BadFileCase{"Empty", "", 0, 0, 0},
    BadFileCase{"ShortItemCount", std::string("\x01\x00\x00", 3), 0, 0, 0},
    BadFileCase{"NoItems", Count(0) + Count(0), 0, 0, 0},
    BadFileCase{"TooManyItems", Count(301) + std::string(602 * 2, '\n'), 0, 0, 0},
    BadFileCase{"HugeItemCount", Count(0xFFFFFFFF) + "A\r\nV\r\n", 0, 0, 0},
    BadFileCase{"ItemsCutShort", Count(2) + "A\r\nV\r\nB\r\n", 0, 0, 0},
    BadFileCase{"UnitWithoutLineEnd", Count(1) + "A\r\nV", 0, 0, 0},
    BadFileCase{"NoSampleCount", kTwoItems, 1, 2, 0},
    BadFileCase{"ShortSampleCount", kTwoItems + std::string("\x04\x00", 2), 1, 2, 0},
    BadFileCase{"HugeSampleCount", kTwoItems + Count(0xFFFFFFFF) + "1\r\n2\r\n3\r\n", 1, 2, 2},
    BadFileCase{"LastSampleWithoutLineEnd", kTwoItems + Count(4) + "1\r\n2\r\n3\r\n4", 1, 2, 2},
    BadFileCase{"CountNotAMultipleOfItems", kTwoItems + Count(3) + "1\r\n2\r\n3\r\n", 1, 2, 3},
    BadFileCase{"TrailingBytesIgnored", kTwoItems + Count(2) + "1\r\n2\r\nmore\r\n", 1, 2, 2},
    BadFileCase{"BareLineFeeds", Count(1) + "A\nV\n" + Count(1) + "7\n", 1, 1, 1},
    BadFileCase{"EndOfFileByteIsText", Count(1) + "A\x1A\r\nV\r\n" + Count(26) + std::string(26, '\n'), 1, 1, 26}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DSRecordFile, AZeroByteInADamagedFileDoesNotEndTheText)
{
    CDSRecord record;
    ASSERT_EQ(record.LoadFromBytes(ToBytes(Count(1) + std::string("A\0B\r\nV\r\n", 8) + Count(1) + "x\r\n")), 1);
    EXPECT_STREQ(record.GetItemName(0), L"A?B");
    EXPECT_STREQ(record.GetSample(0, 0), L"x");
}

TEST(DSRecordFile, AFailedLoadLeavesTheRecordingAsItWas)
{
    CDSRecord record;
    record.AddItem(L"kept", L"");
    ASSERT_EQ(record.AddSampleRow(Row({L"1"})), 1);
    const uint64_t size = record.GetSize();
    EXPECT_EQ(record.LoadFromBytes(ToBytes(Count(2) + "A\r\nV\r\n")), 0);
    EXPECT_EQ(record.GetItemCount(), 1);
    EXPECT_EQ(record.GetSampleCount(), 1);
    EXPECT_EQ(record.GetSize(), size);
}

TEST(DSRecordFile, AFileFarLargerThanAnyRecordingIsNotRead)
{
    CTempFolder folder;
    const std::string big = Count(1) + "A\r\nV\r\n" + Count(1) + "7\r\n" + std::string(CDSRecord::kMaxFileBytes, ' ');
    CDSRecord record;
    EXPECT_EQ(record.LoadFromFile(folder.Write("big", big)), 0);
    EXPECT_EQ(record.GetItemCount(), 0);
}

}  // namespace
