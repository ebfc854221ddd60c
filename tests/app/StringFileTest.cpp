#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "StringFile.h"
#include "StringFileBytes.h"
#include "TempFolder.h"

namespace {

using Records = std::vector<TAG_STRING_RESOURCE_ITEM>;

std::optional<Records> Parse(const std::string& bytes)
{
    return ParseStringFile(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

struct ParseCase {
    const char* name;
    std::string bytes;
    std::optional<Records> expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.name; }

class ParseStringFileTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseStringFileTest, ReadsNoFurtherThanTheBytes)
{
    const ParseCase& c = GetParam();
    const auto records = Parse(c.bytes);
    ASSERT_EQ(records.has_value(), c.expected.has_value());
    if (records) {
        EXPECT_EQ(*records, *c.expected);
    }
}

const std::string kTwoRecords = RecordBytes(1, u"one") + RecordBytes(2, u"two");

INSTANTIATE_TEST_SUITE_P(Cases, ParseStringFileTest, ::testing::Values(
    ParseCase{"empty file", "", std::nullopt},
    ParseCase{"count cut off", std::string("\x01\x00\x00", 3), std::nullopt},
    ParseCase{"no records", CountField(0), Records{}},
    ParseCase{"whole file", CountField(2) + kTwoRecords, Records{{1, L"one"}, {2, L"two"}}},
    ParseCase{"fewer records than counted", CountField(3) + kTwoRecords, Records{{1, L"one"}, {2, L"two"}}},
    ParseCase{"more records than counted", CountField(1) + kTwoRecords, Records{{1, L"one"}}},
    ParseCase{"huge count, few bytes", CountField(0x7FFFFFFF) + kTwoRecords, Records{{1, L"one"}, {2, L"two"}}},
    ParseCase{"negative count reads as none", CountField(-1) + kTwoRecords, Records{}},
    ParseCase{"most negative count", CountField(INT32_MIN) + kTwoRecords, Records{}},
    ParseCase{"second header cut off", CountField(2) + RecordBytes(1, u"one") + RecordHeader(2, 2).substr(0, 5),
              Records{{1, L"one"}}},
    ParseCase{"byteLen past the end takes what is there", CountField(2) + RecordHeader(7, 200) + StoredText(u"cut"),
              Records{{7, L"cut"}}},
    ParseCase{"byteLen past the end, odd bytes left", CountField(1) + RecordHeader(7, 9) + StoredText(u"ab") + "\x01",
              Records{{7, L"ab"}}},
    ParseCase{"odd byteLen drops the lone byte and the next record still lines up",
              CountField(2) + RecordHeader(1, 5) + StoredText(u"ab") + "\x7F" + RecordBytes(2, u"next"),
              Records{{1, L"ab"}, {2, L"next"}}},
    ParseCase{"byteLen 1", CountField(1) + RecordHeader(3, 1) + "\x41", Records{{3, L""}}},
    ParseCase{"empty text", CountField(1) + RecordBytes(3, u""), Records{{3, L""}}},
    ParseCase{"a zero unit ends the text, the record keeps its length",
              CountField(2) + RecordBytes(1, std::u16string(u"ab\0cd", 5)) + RecordBytes(2, u"x"),
              Records{{1, L"ab"}, {2, L"x"}}},
    ParseCase{"units beyond ASCII come through one for one",
              CountField(1) + RecordBytes(0xFFFFFFFF, u"\u00E4\u4E2D\xD83D\xDE00\uFFFF"),
              Records{{0xFFFFFFFF, std::wstring{L'\u00E4', L'\u4E2D', static_cast<wchar_t>(0xD83D),
                                                static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xFFFF)}}}}));

TEST(EncodeStringFile, LaysOutCountAndRecordsLittleEndian)
{
    const Records records{{0x10000002, L"Ja"}, {0x20000001, L""}};
    const std::string expected = std::string("\x02\x00\x00\x00", 4) +
                                 std::string("\x02\x00\x00\x10\x04\x00", 6) + StoredText(u"Ja") +
                                 std::string("\x01\x00\x00\x20\x00\x00", 6);
    EXPECT_EQ(EncodeStringFile(records), expected);
}

struct EncodeCase {
    const char* name;
    std::wstring text;
    bool encodable;
};

void PrintTo(const EncodeCase& c, std::ostream* out) { *out << c.name; }

class EncodeTextTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeTextTest, WritesOnlyWhatReadsBackTheSame)
{
    const EncodeCase& c = GetParam();
    const Records records{{5, c.text}};
    const auto bytes = EncodeStringFile(records);
    ASSERT_EQ(bytes.has_value(), c.encodable);
    if (bytes) {
        EXPECT_EQ(Parse(*bytes), records);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EncodeTextTest, ::testing::Values(
    EncodeCase{"longest text a record holds", std::wstring(32767, L'w'), true},
    EncodeCase{"one unit too long", std::wstring(32768, L'w'), false},
    EncodeCase{"a zero would end it early", std::wstring(L"a\0b", 3), false},
    EncodeCase{"line feed", L"first\nsecond", true}));

TEST(EncodeStringFile, WritesACharacterBeyondTheBasicPlaneAsASurrogatePair)
{
    // Where wchar_t is 32 bits the literal is one character; the file and the Windows build hold two units.
    const auto bytes = EncodeStringFile(Records{{5, L"\U0001F600"}});
    ASSERT_TRUE(bytes.has_value());
    const std::wstring pair{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(Parse(*bytes), (Records{{5, pair}}));
}

TEST(WriteStringFile, EveryCodeUnitSurvivesWritingAndReading)
{
    // All units from 1 to 0xFFFF, so every byte value passes the substitution in both byte positions.
    Records records;
    for (uint32_t first = 1; first <= 0xFFFF; first += 0x4000) {
        std::wstring text;
        for (uint32_t unit = first; unit < first + 0x4000 && unit <= 0xFFFF; ++unit)
            text.push_back(static_cast<wchar_t>(unit));
        records.push_back({0x30000000 + first, text});
    }
    CTempFolder folder;
    ASSERT_TRUE(WriteStringFile(folder / "STRRES.XX", records));
    EXPECT_EQ(ReadStringFile(folder / "STRRES.XX"), records);
}

TEST(WriteStringFile, ATextItCannotWriteLeavesTheOldFile)
{
    CTempFolder folder;
    const auto file = folder.Write("STRRES.XX", "old");
    EXPECT_FALSE(WriteStringFile(file, Records{{1, L"fine"}, {2, std::wstring(40000, L'x')}}));
    EXPECT_EQ(ReadFileBytes(file), "old");
}

TEST(ReadStringFile, AMissingFileGivesNothing)
{
    CTempFolder folder;
    EXPECT_FALSE(ReadStringFile(folder / "STRRES.XX").has_value());
}

}  // namespace
