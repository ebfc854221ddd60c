#include <gtest/gtest.h>

#include <climits>

#include "NumberText.h"

namespace {

struct IntCase {
    const char* text;
    int expected;
};

class LeadingIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(LeadingIntTest, ReadsTheLeadingDecimalNumber)
{
    EXPECT_EQ(ParseLeadingInt(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Cases, LeadingIntTest, ::testing::Values(
    IntCase{"12ab", 12}, IntCase{"ab", 0}, IntCase{" -5", -5}, IntCase{"", 0}, IntCase{"+7", 7},
    IntCase{"\t 42 ", 42}, IntCase{"- 5", 0}, IntCase{"--5", 0}, IntCase{"0x10", 0}, IntCase{"3.9", 3},
    IntCase{"2147483647", INT_MAX}, IntCase{"-2147483648", INT_MIN},
    IntCase{"2147483648", INT_MAX}, IntCase{"-2147483649", INT_MIN},
    IntCase{"99999999999999999999999999", INT_MAX}, IntCase{"-99999999999999999999999999", INT_MIN}));

}  // namespace
