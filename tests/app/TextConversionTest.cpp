#include <gtest/gtest.h>

#include <cstring>

#include "ProcessValues.h"
#include "TextConversion.h"

namespace {

const char* const kPrivetUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const char* const kPrivet1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
const wchar_t* const kPrivet = L"\u041F\u0440\u0438\u0432\u0435\u0442";

class TextConversionTest : public ::testing::Test {
protected:
    void SetUp() override { ResSetCodePage(1251); }
    void TearDown() override
    {
        ResSetDbFormat(0);
        ResSetUnitMode(0);
    }
};

struct DecodeCase {
    int dbFormat;
    const char* narrow;
    const wchar_t* expected;  // null: no buffer
};

class Utf8ToWideTest : public TextConversionTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(Utf8ToWideTest, DecodesByTheFormat)
{
    ResSetDbFormat(GetParam().dbFormat);
    const WideBuffer wide = Utf8ToWide(GetParam().narrow);
    if (GetParam().expected) {
        ASSERT_TRUE(wide);
        EXPECT_STREQ(wide.get(), GetParam().expected);
    } else {
        EXPECT_FALSE(wide);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8ToWideTest, ::testing::Values(
    DecodeCase{0, kPrivetUtf8, kPrivet},
    DecodeCase{1, kPrivet1251, kPrivet},
    DecodeCase{2, kPrivetUtf8, nullptr},
    DecodeCase{-1, "EN", nullptr},
    DecodeCase{0, "", L""},
    DecodeCase{0, nullptr, nullptr},
    DecodeCase{0, "\xC3\x28", nullptr},         // invalid sequence
    DecodeCase{0, "\xED\xA0\x80", nullptr},     // encoded surrogate
    DecodeCase{0, "ab\xF0\x9F", nullptr}));     // cut in the middle of a character

TEST_F(TextConversionTest, WideToUtf8IsAlwaysUtf8)
{
    for (int format : {0, 1, 2}) {
        ResSetDbFormat(format);
        const NarrowBuffer narrow = WideToUtf8(kPrivet);
        ASSERT_TRUE(narrow);
        EXPECT_STREQ(narrow.get(), kPrivetUtf8);
    }
    EXPECT_FALSE(WideToUtf8(nullptr));
    EXPECT_STREQ(WideToUtf8(L"").get(), "");
}

TEST_F(TextConversionTest, FormatValueByUnitDecodesTheUnitName)
{
    ResSetUnitMode(1);
    EXPECT_EQ(FormatValueByUnit(L"300", "kPa"), L"3");
    EXPECT_EQ(FormatValueByUnit(L"100", "\xE2\x84\x83"), L"212");  // the degree-Celsius sign
    EXPECT_EQ(FormatValueByUnit(L"100", "\xE2\x84"), L"100");      // an undecodable unit matches nothing
    EXPECT_EQ(FormatValueByUnit(L"100", nullptr), L"100");
}

}  // namespace
