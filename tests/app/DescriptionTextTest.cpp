#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DescriptionText.h"

namespace {

struct BytesCase {
    const char* name;
    std::string bytes;
    bool utf16;
    std::wstring wide;
    std::string narrow;
};

class DescriptionBytesTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(DescriptionBytesTest, TellsUtf16FromNarrowText)
{
    const std::vector<uint8_t> bytes(GetParam().bytes.begin(), GetParam().bytes.end());
    const DESCRIPTION_BYTES decoded = DecodeDescriptionBytes(bytes);
    EXPECT_EQ(decoded.utf16, GetParam().utf16);
    EXPECT_EQ(decoded.wideText, GetParam().wide);
    EXPECT_EQ(decoded.narrowText, GetParam().narrow);
}

INSTANTIATE_TEST_SUITE_P(Cases, DescriptionBytesTest, ::testing::Values(
    BytesCase{"Empty", "", false, L"", ""},
    BytesCase{"OneByte", "\xFF", false, L"", "\xFF"},
    BytesCase{"MarkOnly", "\xFF\xFE", true, L"", ""},
    BytesCase{"Utf16", std::string("\xFF\xFEV\0" "1\0\r\0\n\0\x3D\x6C", 12), true, L"V1\r\n\u6C3D", ""},
    BytesCase{"OddLastByteDropped", std::string("\xFF\xFEV\0" "1", 5), true, L"V", ""},
    BytesCase{"ZeroUnitEnds", std::string("\xFF\xFEV\0\0\0" "1\0", 8), true, L"V", ""},
    BytesCase{"BigEndianMarkIsNarrow", "\xFE\xFFV", false, L"", "\xFE\xFFV"},
    BytesCase{"Utf8MarkDropped", "\xEF\xBB\xBFV1", false, L"", "V1"},
    BytesCase{"ZeroByteEnds", std::string("V1\0rest", 7), false, L"", "V1"}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(DescriptionFirstLine, EndsAtTheLineFeedWithoutItsCarriageReturn)
{
    EXPECT_EQ(DescriptionFirstLine(L"V1.00\r\nAbout"), L"V1.00");
    EXPECT_EQ(DescriptionFirstLine(L"V1.00\nAbout"), L"V1.00");
    EXPECT_EQ(DescriptionFirstLine(L"V1.00"), L"V1.00");
    EXPECT_EQ(DescriptionFirstLine(L"V1\rX\n"), L"V1");
    EXPECT_EQ(DescriptionFirstLine(L"\nV1"), L"");
    EXPECT_EQ(DescriptionFirstLine(L""), L"");
}

}  // namespace
