#include <gtest/gtest.h>

#include <string>

#include "InputRule.h"

namespace {

struct RuleCase {
    const wchar_t* rule;
    const wchar_t* accepted;
    const wchar_t* refused;
};

class InputRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(InputRuleTest, PrintableCharactersFollowTheRule)
{
    for (const wchar_t* c = GetParam().accepted; *c; ++c)
        EXPECT_TRUE(InputRuleAccepts(GetParam().rule, *c)) << "rule " << GetParam().rule << " char " << int(*c);
    for (const wchar_t* c = GetParam().refused; *c; ++c)
        EXPECT_FALSE(InputRuleAccepts(GetParam().rule, *c)) << "rule " << GetParam().rule << " char " << int(*c);
}

INSTANTIATE_TEST_SUITE_P(Rules, InputRuleTest, ::testing::Values(
    RuleCase{L"9", L"0123456789-", L"+.aAxX eE/:~ "},
    RuleCase{L"X", L"0123456789abcdefABCDEF", L"gG-xX /:@`"},
    RuleCase{L"A", L"azAZmQ", L"09_{@[` -"},
    RuleCase{L"", L"09aZ-_{ ~", L""},
    RuleCase{L"9X", L"09aZ-_{ ~", L""},   // only the exact rules filter
    RuleCase{L"x", L"09gZ-_{ ~", L""}));  // rules are case-sensitive

TEST(InputRuleEdgeTest, ControlKeysAndCharactersBeyondAsciiAlwaysPass)
{
    for (const wchar_t* rule : {L"9", L"X", L"A"}) {
        for (wchar_t c : {L'\b', L'\r', L'\x1B', L'\x1F', L'\x7F', L'\xE4', L'\x4E2D'})
            EXPECT_TRUE(InputRuleAccepts(rule, c)) << int(c);
        EXPECT_FALSE(InputRuleAccepts(rule, L' ')) << "the blank is printable";
        EXPECT_FALSE(InputRuleAccepts(rule, L'~')) << "so is the last printable character";
    }
}

bool IsLead(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrail(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A narrow form of our own, shaped like a double-byte ANSI code page: ASCII in one byte, every
// other unit in two (a surrogate pair in four); U+FFFF and a lone half of a pair have none.
InputTextFits FitsIn(size_t bytes)
{
    return [bytes](std::wstring_view text) {
        size_t size = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            const wchar_t c = text[i];
            const bool paired = IsLead(c) ? i + 1 < text.size() && IsTrail(text[i + 1])
                                          : !IsTrail(c) || (i > 0 && IsLead(text[i - 1]));
            if (c == 0xFFFF || !paired)
                return false;
            size += c < 0x80 ? 1 : 2;
        }
        return size <= bytes;
    };
}

std::wstring Repeated(std::wstring_view text, size_t times)
{
    std::wstring all;
    for (size_t i = 0; i < times; ++i)
        all += text;
    return all;
}

struct FitCase {
    const char* name;
    std::wstring text;
    size_t bytes;
    size_t kept;
};

class FittingInputTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FittingInputTest, TheLongestStartThatFitsEndsBetweenCharacters)
{
    EXPECT_EQ(FittingInputLength(GetParam().text, FitsIn(GetParam().bytes)), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Cases, FittingInputTest, ::testing::Values(
    FitCase{"fits_whole", L"a\xE9\xE9", 5, 3},
    FitCase{"cut_before_a_wide_character", L"a\xE9\xE9\xE9", 6, 3},
    FitCase{"double_bytes_under_an_odd_limit", Repeated(L"\x4E2D", 300), 249, 124},
    FitCase{"double_bytes_after_one_byte", L"a" + Repeated(L"\x4E2D", 300), 249, 125},
    FitCase{"nothing_fits", L"\xE9", 1, 0},
    FitCase{"empty", L"", 0, 0},
    FitCase{"a_pair_stays_whole", std::wstring(L"ab") + L"\xD83D\xDE00", 5, 2},
    FitCase{"a_whole_pair", std::wstring(L"ab") + L"\xD83D\xDE00" + L"c", 6, 4},
    FitCase{"up_to_a_character_without_a_form", L"ab\xFFFF" L"cd", 40, 2},
    FitCase{"many_pairs", Repeated(L"\xD83D\xDE00", 300), 249, 124},
    FitCase{"pairs_after_one_unit", L"a" + Repeated(L"\xD83D\xDE00", 300), 249, 125}),
    [](const ::testing::TestParamInfo<FitCase>& param) { return std::string(param.param.name); });

TEST(TypingTest, ATypedCharacterReplacesTheSelection)
{
    EXPECT_EQ(TextAfterTyping(L"abcd", 1, 3, L'x'), L"axd");
    EXPECT_EQ(TextAfterTyping(L"abcd", 4, 4, L'x'), L"abcdx");
    EXPECT_EQ(TextAfterTyping(L"ab", 7, 2, L'x'), L"abx") << "a selection beyond the text ends it";
    EXPECT_EQ(TextAfterTyping(L"ab", 1, 1, L'\xD83D'), std::wstring(L"a\xD83D\xDC00" L"b"))
        << "a lead surrogate is measured with its trail";
    EXPECT_FALSE(FitsIn(4)(TextAfterTyping(L"ab", 2, 2, L'\xD83D'))) << "so a pair that cannot fit is refused";
    EXPECT_EQ(TextAfterTyping(L"a\xD83D", 2, 2, L'\xDE00'), std::wstring(L"a\xD83D\xDE00")) << "the trail completes it";
    EXPECT_FALSE(FitsIn(9)(TextAfterTyping(L"ab", 1, 1, L'\xDE00'))) << "a lone trail has no form";
}

TEST(TypingTest, APairBeingTypedCountsWhole)
{
    EXPECT_EQ(WithWholePairs(L"a\xD83D"), std::wstring(L"a\xD83D\xDC00"));
    EXPECT_EQ(WithWholePairs(L"\xD83D" L"b"), std::wstring(L"\xD83D\xDC00" L"b"));
    EXPECT_EQ(WithWholePairs(L"\xD83D\xDE00"), std::wstring(L"\xD83D\xDE00"));
}

}  // namespace
