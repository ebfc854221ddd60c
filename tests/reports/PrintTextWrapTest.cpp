#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrintTextWrap.h"

namespace {

// Every character 10 units wide.
int FixedWidth(std::wstring_view text) { return static_cast<int>(text.size()) * 10; }

struct WrapCase {
    const char* name;
    std::wstring text;
    int width;
    std::vector<std::wstring> lines;
};

void PrintTo(const WrapCase& c, std::ostream* out) { *out << c.name; }

class PrintTextWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(PrintTextWrapTest, CutsWhereTheRuleSays)
{
    EXPECT_EQ(WrapPrintText(GetParam().text, GetParam().width, FixedWidth), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrintTextWrapTest, ::testing::Values(
    WrapCase{"Empty", L"", 100, {}},
    WrapCase{"Fits", L"short", 100, {L"short"}},
    WrapCase{"AfterTheLastBlank", L"one two three", 90, {L"one two ", L"three"}},
    WrapCase{"AfterAComma", L"alpha,beta", 70, {L"alpha,", L"beta"}},
    WrapCase{"LongWordIsCut", L"abcdefghij", 40, {L"abcd", L"efgh", L"ij"}},
    WrapCase{"NarrowerThanACharacter", L"abc", 0, {L"a", L"b", L"c"}},
    WrapCase{"ForcedBreaks", L"a\r\nb\nc\rd", 100, {L"a", L"b", L"c", L"d"}},
    WrapCase{"EmptyLineKept", L"a\n\nb", 100, {L"a", L"", L"b"}}),
    [](const auto& c) { return std::string(c.param.name); });

}  // namespace
