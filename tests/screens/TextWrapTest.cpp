#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineFakes.h"
#include "TextWrap.h"

namespace {

using engine_test::CFixedMeasure;

std::vector<std::wstring> Lines(const std::wstring& text, int columnWidth)
{
    const CFixedMeasure measure(8);
    std::vector<std::wstring> lines;
    for (const TEXT_LINE& line : WrapCellText(text, columnWidth, measure))
        lines.push_back(text.substr(line.start, line.length));
    return lines;
}

struct WRAP_CASE {
    const char* name;
    std::wstring text;
    int columnWidth;
    std::vector<std::wstring> lines;
};

// Characters are 8 pixels wide; a column of 100 leaves 90 for text: 11 characters a line.
TEST(TextWrap, CutsCellsIntoLines)
{
    const WRAP_CASE cases[] = {
        {"empty text has no line", L"", 100, {}},
        {"short text is one line", L"abc", 100, {L"abc"}},
        {"CR LF ends a line and belongs to it", L"a\r\nb", 100, {L"a\r\n", L"b"}},
        {"a lone LF ends a line", L"a\nb", 100, {L"a\n", L"b"}},
        {"a lone CR ends a line", L"a\rb", 100, {L"a\r", L"b"}},
        {"LF then CR are two breaks", L"a\n\rb", 100, {L"a\n", L"\r", L"b"}},
        {"a trailing break adds no line", L"a\r\n", 100, {L"a\r\n"}},
        {"a long word is cut where it stops fitting", L"abcdefghijklmnop", 100, {L"abcdefghijk", L"lmnop"}},
        {"the line ends just after the last space", L"aaaa bbbb cccc", 100, {L"aaaa bbbb ", L"cccc"}},
        {"a space that does not fit starts the next line", L"hello world again", 100, {L"hello world", L" again"}},
        {"an early space still breaks a long word", L"ab cdefghijklmnopq", 100, {L"ab ", L"cdefghijklm", L"nopq"}},
        {"exactly the room: 11 characters", L"abcdefghijk", 100, {L"abcdefghijk"}},
        {"a column narrower than a character takes one a line", L"abc", 5, {L"a", L"b", L"c"}},
        {"twelve breaks show ten lines", L"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13", 100,
         {L"1\n", L"2\n", L"3\n", L"4\n", L"5\n", L"6\n", L"7\n", L"8\n", L"9\n", L"10\n"}},
        {"a text wrapped past ten lines is cut at ten", std::wstring(200, L'x'), 100,
         std::vector<std::wstring>(10, std::wstring(11, L'x'))},
    };
    for (const WRAP_CASE& test : cases)
        EXPECT_EQ(Lines(test.text, test.columnWidth), test.lines) << test.name;
}

TEST(TextWrap, CapsLinesToTheArea)
{
    struct CAP_CASE {
        int lines, rowHeight, areaHeight, expected;
    };
    const CAP_CASE cases[] = {
        {3, 38, 400, 3},   // fits
        {10, 40, 400, 10},  // exactly the area
        {11, 38, 400, 9},  // one row less than the area holds
        {2, 38, 50, 1},    // an area shorter than two rows still shows a line, never -1
        {2, 38, 20, 1},    // shorter than one row
        {3, 0, 400, 3},    // no row height: nothing to cap by
        {0, 38, 10, 0},    // an empty cell stays empty
    };
    for (const CAP_CASE& test : cases)
        EXPECT_EQ(CapLinesToArea(test.lines, test.rowHeight, test.areaHeight), test.expected)
            << test.lines << " lines of " << test.rowHeight << " in " << test.areaHeight;
}

TEST(TextWrap, PreparesLinesForDrawing)
{
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"abc\r\n", L"  abc"},
        {L"a\rb", L"  ab"},
        {L" abc", L"  abc"},     // a single space before a word is dropped
        {L"  abc", L"    abc"},  // two are kept
        {L" ", L"   "},
        {L"", L"  "},
    };
    for (const auto& [line, drawn] : cases)
        EXPECT_EQ(LineForDrawing(line), drawn);
}

}  // namespace
