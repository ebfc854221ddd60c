#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StringLines.h"

namespace {

using Records = std::vector<TAG_STRING_RESOURCE_ITEM>;

struct LinesCase {
    const char* name;
    std::string text;
    Records expected;
    size_t badLine;  // 0: every line is a record
};

void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }

class ParseStringLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(ParseStringLinesTest, ReadsOneRecordALine)
{
    const LinesCase& c = GetParam();
    Records records;
    size_t badLine = 99;
    EXPECT_EQ(ParseStringLines(c.text, records, badLine), c.badLine == 0);
    EXPECT_EQ(badLine, c.badLine);
    EXPECT_EQ(records, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseStringLinesTest, ::testing::Values(
    LinesCase{"nothing", "", {}, 0},
    LinesCase{"two lines", "0x10000000\tOK\n0x10000001\tCancel", {{0x10000000, L"OK"}, {0x10000001, L"Cancel"}}, 0},
    LinesCase{"line feed escape, other backslashes kept", "0x1\ta\\nb\\tc\\",
              {{1, L"a\nb\\tc\\"}}, 0},
    LinesCase{"order kept, duplicates too", "0x2\tb\n0x2\tc", {{2, L"b"}, {2, L"c"}}, 0},
    LinesCase{"byte-order mark, CR LF, blank lines", "\xEF\xBB\xBF" "0xA\tx\r\n\r\n\n0XfF\ty\r\n",
              {{0xA, L"x"}, {0xFF, L"y"}}, 0},
    LinesCase{"empty text and tabs inside the text", "0x1\t\n0x2\ta\tb", {{1, L""}, {2, L"a\tb"}}, 0},
    LinesCase{"UTF-8 beyond ASCII", "0x1\t\xC3\xA4\xE4\xB8\xAD", {{1, L"\u00E4\u4E2D"}}, 0},
    LinesCase{"largest id", "0xFFFFFFFF\tz", {{0xFFFFFFFF, L"z"}}, 0},
    LinesCase{"id too long", "0x1\ta\n0x100000000\tz", {{1, L"a"}}, 2},
    LinesCase{"id without 0x", "10000000\tz", {}, 1},
    LinesCase{"id without digits", "0x\tz", {}, 1},
    LinesCase{"id with a stray character", "0x1g\tz", {}, 1},
    LinesCase{"no tab", "0x1 z", {}, 1},
    LinesCase{"invalid UTF-8", "0x1\t\xC3", {}, 1},
    LinesCase{"overlong UTF-8", "0x1\t\xC0\xAF", {}, 1},
    LinesCase{"encoded surrogate", "0x1\t\xED\xA0\x80", {}, 1},
    LinesCase{"beyond U+10FFFF", "0x1\t\xF4\x90\x80\x80", {}, 1},
    LinesCase{"a zero would end the text", std::string("0x1\ta\0b", 7), {}, 1}));

TEST(ParseStringLines, ACharacterBeyondTheBasicPlaneIsHeldAsWcharTHoldsIt)
{
    Records records;
    size_t badLine = 0;
    ASSERT_TRUE(ParseStringLines("0x1\t\xF0\x9F\x98\x80", records, badLine));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, L"\U0001F600");  // two units where wchar_t is 16 bits, one where it is 32
}

}  // namespace
