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

}  // namespace
