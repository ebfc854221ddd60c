#include <gtest/gtest.h>

#include "ProcessValues.h"
#include "UnitConversion.h"

namespace {

constexpr int kMetric = 0;
constexpr int kBritish = 1;

struct ValueCase {
    int mode;
    const wchar_t* unit;
    const wchar_t* value;
    const wchar_t* expected;
};

void PrintTo(const ValueCase& c, std::ostream* out)
{
    *out << "mode " << c.mode << " unit '" << std::string(c.unit, c.unit + std::wcslen(c.unit)) << "'";
}

class ConvertValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ConvertValueTest, ConvertsIntoTheOtherSystem)
{
    const ValueCase& c = GetParam();
    EXPECT_EQ(ConvertValueByUnit(c.unit, c.value, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertValueTest, ::testing::Values(
    // A whole number that shrinks keeps the decimals it needs, no more.
    ValueCase{kBritish, L"kPa", L"300", L"3"},
    ValueCase{kBritish, L"kPa", L"230", L"2.3"},
    ValueCase{kBritish, L"kPa", L"40", L"0.4"},
    ValueCase{kBritish, L"hPa", L"1013", L"1.013"},
    ValueCase{kBritish, L"cm", L"10", L"3.937"},
    ValueCase{kBritish, L"km/h", L"100", L"62.14"},
    ValueCase{kMetric, L"feet", L"1", L"0.3048037064"},
    // A value with a point: one decimal more to British units, one fewer to metric units.
    ValueCase{kBritish, L"kPa", L"250.0", L"2.50"},
    ValueCase{kBritish, L"\u00B0C", L"25.5", L"77.90"},
    ValueCase{kMetric, L"deg F", L"77.90", L"25.5"},
    ValueCase{kMetric, L"Bar", L"2.50", L"250.0"},
    ValueCase{kMetric, L"Bar", L"2.5", L"250"},
    // Whole numbers that grow, and temperatures, keep no decimals.
    ValueCase{kBritish, L"m", L"10", L"33"},
    ValueCase{kMetric, L"mph", L"60", L"97"},
    ValueCase{kMetric, L"Bar", L"3", L"300"},
    ValueCase{kBritish, L"\u2103", L"100", L"212"},
    ValueCase{kBritish, L"deg C", L"-40", L"-40"},
    ValueCase{kMetric, L"\u00B0F", L"212", L"100"},
    ValueCase{kMetric, L"deg F", L"33", L"1"},
    // Matching: trimmed, ASCII case ignored, the first row wins, only the side we convert from.
    ValueCase{kBritish, L"  KPA ", L" 300 ", L"3"},
    ValueCase{kMetric, L"km/h", L"60", L"60"},
    ValueCase{kBritish, L"mph", L"60", L"60"},
    ValueCase{kBritish, L"V", L"12.5", L"12.5"},
    // A text without a leading number is shown as it came, not as an invented reading.
    ValueCase{kBritish, L"kPa", L"---", L"---"},
    ValueCase{kBritish, L"deg C", L"N/A", L"N/A"},
    ValueCase{kBritish, L"kPa", L"", L""},
    ValueCase{kBritish, L"kPa", L".", L"."},
    ValueCase{kBritish, L"kPa", L"inf", L"inf"},
    ValueCase{kBritish, L"kPa", L"120 kPa", L"1.2"},
    // Decimals taken from the text are capped.
    ValueCase{kMetric, L"Bar", L"1.00000000000000000000000000000000000000000000000000", L"100.0000000000"}));

TEST(ConvertValue, PrintsHugeValuesWhole)
{
    const std::wstring converted = ConvertValueByUnit(L"kPa", L"1e300", kBritish);
    EXPECT_EQ(converted.size(), 299u);
    EXPECT_EQ(converted.find_first_not_of(L"0123456789"), std::wstring::npos);
}

TEST(ConvertValue, UsesTheProcessWideUnitMode)
{
    ResSetUnitMode(kBritish);
    EXPECT_EQ(ConvertValueByUnit(L"kPa", L"300"), L"3");
    ResSetUnitMode(kMetric);
    EXPECT_EQ(ConvertValueByUnit(L"kPa", L"300"), L"300");
}

struct NameCase {
    int mode;
    const wchar_t* unit;
    const wchar_t* expected;
};

class ConvertUnitNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ConvertUnitNameTest, NamesTheUnitOfTheSystem)
{
    EXPECT_EQ(ConvertUnitName(GetParam().unit, GetParam().mode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConvertUnitNameTest, ::testing::Values(
    NameCase{kMetric, L"\u2103", L"deg C"},
    NameCase{kMetric, L"mph", L"km/h"},
    NameCase{kMetric, L"Bar", L"kPa"},
    NameCase{kMetric, L"\u00B0F", L"deg C"},
    NameCase{kMetric, L"\u00B0C", L"deg C"},
    NameCase{kMetric, L"\u00B0", L"deg"},
    NameCase{kMetric, L"\u00B0/s", L"deg/s"},
    NameCase{kMetric, L"\u00B0kw", L"deg kw"},
    NameCase{kMetric, L"<\u00B0", L"< deg"},
    NameCase{kMetric, L"\u00B0n.OT", L"deg n.OT"},
    NameCase{kMetric, L" \u00B0v.OT ", L"deg v.OT"},
    NameCase{kMetric, L" rpm ", L"rpm"},
    NameCase{kBritish, L"km/h", L"mph"},
    NameCase{kBritish, L"DEG C", L"deg F"},
    NameCase{kBritish, L"\u2103", L"deg F"},
    NameCase{kBritish, L"\u00B0F", L"deg F"},
    NameCase{kBritish, L"m/h", L"feet/h"},
    NameCase{kBritish, L"%", L"%"},
    NameCase{kBritish, L"", L""}));

}  // namespace
