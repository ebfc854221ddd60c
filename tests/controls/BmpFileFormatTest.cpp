#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "BmpFileFormat.h"

namespace {

struct BmpSpec {
    int32_t width = 2;
    int32_t height = 2;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t infoSize = 40;
    uint32_t coloursUsed = 0;
    int sizeFieldDelta = 0;
    long pixelBytesDelta = 0;  // bytes added to (or cut from) the pixel data
    uint32_t offsetField = 0;  // a lying offset of the pixel data, written over the true one
};

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

// A small hand-made BMP file, laid out field by field.
std::vector<uint8_t> MakeBmp(const BmpSpec& spec)
{
    const uint32_t colours = spec.bitCount <= 8 ? (spec.coloursUsed ? spec.coloursUsed : 1u << spec.bitCount) : 0;
    const uint32_t offset = 14 + 40 + 4 * colours;
    const uint64_t stride = ((static_cast<uint64_t>(spec.width > 0 ? spec.width : 1) * spec.bitCount + 31) / 32) * 4;
    const long pixels = static_cast<long>(stride * static_cast<uint64_t>(std::abs(spec.height))) + spec.pixelBytesDelta;
    std::vector<uint8_t> bytes(offset + static_cast<size_t>(std::max(pixels, 0L)), 0x5A);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 2, static_cast<uint32_t>(static_cast<long>(bytes.size()) + spec.sizeFieldDelta));
    Put32(bytes, 10, spec.offsetField ? spec.offsetField : offset);
    Put32(bytes, 14, spec.infoSize);
    Put32(bytes, 18, static_cast<uint32_t>(spec.width));
    Put32(bytes, 22, static_cast<uint32_t>(spec.height));
    bytes[26] = 1;
    bytes[28] = static_cast<uint8_t>(spec.bitCount);
    bytes[29] = static_cast<uint8_t>(spec.bitCount >> 8);
    Put32(bytes, 30, spec.compression);
    Put32(bytes, 46, spec.coloursUsed);
    return bytes;
}

struct CheckCase {
    const char* name;
    BmpSpec spec;
    BMP_CHECK expected;
};

class BmpCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BmpCheckTest, ChecksTheFile)
{
    const std::vector<uint8_t> bytes = MakeBmp(GetParam().spec);
    BMP_LAYOUT layout;
    EXPECT_EQ(CheckBmpFile(bytes, layout), GetParam().expected);
    if (GetParam().expected == BMP_CHECK::Ok) {
        EXPECT_LE(layout.pixels.size(), layout.pixelBytesNeeded);
        EXPECT_LE(layout.pixels.data() + layout.pixels.size(), bytes.data() + bytes.size());
    }
}

BmpSpec With(void (*change)(BmpSpec&))
{
    BmpSpec spec;
    change(spec);
    return spec;
}

INSTANTIATE_TEST_SUITE_P(Cases, BmpCheckTest, ::testing::Values(
    CheckCase{"plain", BmpSpec{}, BMP_CHECK::Ok},
    CheckCase{"palette", With([](BmpSpec& s) { s.bitCount = 8; }), BMP_CHECK::Ok},
    CheckCase{"top_down", With([](BmpSpec& s) { s.height = -2; }), BMP_CHECK::Ok},
    CheckCase{"size_one_more", With([](BmpSpec& s) { s.sizeFieldDelta = 1; }), BMP_CHECK::HeaderError},
    CheckCase{"size_one_less", With([](BmpSpec& s) { s.sizeFieldDelta = -1; }), BMP_CHECK::HeaderError},
    CheckCase{"os2_header", With([](BmpSpec& s) { s.infoSize = 12; }), BMP_CHECK::NotWindows30},
    CheckCase{"v4_header", With([](BmpSpec& s) { s.infoSize = 108; }), BMP_CHECK::NotWindows30},
    CheckCase{"v5_header", With([](BmpSpec& s) { s.infoSize = 124; }), BMP_CHECK::NotWindows30},
    CheckCase{"offset_past_end", With([](BmpSpec& s) { s.offsetField = 4000; }), BMP_CHECK::HeaderError},
    CheckCase{"offset_inside_header", With([](BmpSpec& s) { s.offsetField = 16; }), BMP_CHECK::HeaderError},
    CheckCase{"palette_past_offset", With([](BmpSpec& s) { s.bitCount = 8; s.offsetField = 60; }), BMP_CHECK::HeaderError},
    CheckCase{"short_pixels_padded", With([](BmpSpec& s) { s.height = 8; s.pixelBytesDelta = -8; }), BMP_CHECK::Ok},
    CheckCase{"mostly_missing_pixels", With([](BmpSpec& s) { s.height = 8; s.pixelBytesDelta = -60; }), BMP_CHECK::BuildError},
    CheckCase{"zero_width", With([](BmpSpec& s) { s.width = 0; }), BMP_CHECK::BuildError},
    CheckCase{"negative_width", With([](BmpSpec& s) { s.width = -4; }), BMP_CHECK::BuildError},
    CheckCase{"zero_height", With([](BmpSpec& s) { s.height = 0; }), BMP_CHECK::BuildError},
    CheckCase{"huge", With([](BmpSpec& s) { s.width = 0x7FFFFFFF; s.height = 0x7FFFFFFF; s.pixelBytesDelta = 0; }),
              BMP_CHECK::BuildError},
    CheckCase{"compressed", With([](BmpSpec& s) { s.bitCount = 8; s.compression = 1; }), BMP_CHECK::BuildError},
    CheckCase{"odd_bit_count", With([](BmpSpec& s) { s.bitCount = 7; }), BMP_CHECK::BuildError}),
    [](const ::testing::TestParamInfo<CheckCase>& param) { return std::string(param.param.name); });

struct DIB_SIZE_CASE {
    const char* name;
    std::vector<uint8_t> header;
    std::optional<BMP_SIZE> expected;
};

std::vector<uint8_t> InfoHeader(uint32_t headerSize, int32_t width, int32_t height, size_t length = 40)
{
    std::vector<uint8_t> bytes(length, 0);
    for (int i = 0; i < 4; ++i) {
        if (static_cast<size_t>(i) < length)
            bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(headerSize >> (8 * i));
        if (static_cast<size_t>(4 + i) < length)
            bytes[static_cast<size_t>(4 + i)] = static_cast<uint8_t>(static_cast<uint32_t>(width) >> (8 * i));
        if (static_cast<size_t>(8 + i) < length)
            bytes[static_cast<size_t>(8 + i)] = static_cast<uint8_t>(static_cast<uint32_t>(height) >> (8 * i));
    }
    return bytes;
}

class DibPictureSizeTest : public ::testing::TestWithParam<DIB_SIZE_CASE> {};

TEST_P(DibPictureSizeTest, ReadsTheHeader)
{
    const auto size = DibPictureSize(GetParam().header);
    ASSERT_EQ(size.has_value(), GetParam().expected.has_value());
    if (size) {
        EXPECT_EQ(size->width, GetParam().expected->width);
        EXPECT_EQ(size->height, GetParam().expected->height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DibPictureSizeTest,
    ::testing::Values(
        DIB_SIZE_CASE{"info_header", InfoHeader(40, 900, 500), BMP_SIZE{900, 500}},
        DIB_SIZE_CASE{"top_down", InfoHeader(40, 64, -24), BMP_SIZE{64, 24}},
        DIB_SIZE_CASE{"version_5_header", InfoHeader(124, 10, 20, 124), BMP_SIZE{10, 20}},
        DIB_SIZE_CASE{"core_header", {12, 0, 0, 0, 0x84, 0x03, 0xF4, 0x01, 1, 0, 24, 0}, BMP_SIZE{900, 500}},
        DIB_SIZE_CASE{"short_info_header", InfoHeader(40, 900, 500, 39), std::nullopt},
        DIB_SIZE_CASE{"short_core_header", {12, 0, 0, 0, 0x84, 0x03}, std::nullopt},
        DIB_SIZE_CASE{"unknown_header_size", InfoHeader(20, 900, 500), std::nullopt},
        DIB_SIZE_CASE{"no_width", InfoHeader(40, 0, 500), std::nullopt},
        DIB_SIZE_CASE{"negative_width", InfoHeader(40, -5, 500), std::nullopt},
        DIB_SIZE_CASE{"lowest_height", InfoHeader(40, 5, INT32_MIN), std::nullopt},
        DIB_SIZE_CASE{"empty", {}, std::nullopt}),
    [](const ::testing::TestParamInfo<DIB_SIZE_CASE>& param) { return std::string(param.param.name); });

TEST(BmpCheck, RefusesWhatIsNoBmpAtAll)
{
    BMP_LAYOUT layout;
    const std::vector<uint8_t> empty;
    const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> shortHeader = {'B', 'M', 10, 0, 0, 0};
    EXPECT_EQ(CheckBmpFile(empty, layout), BMP_CHECK::NotBmp);
    EXPECT_EQ(CheckBmpFile(png, layout), BMP_CHECK::NotBmp);
    EXPECT_EQ(CheckBmpFile(shortHeader, layout), BMP_CHECK::HeaderError);
    EXPECT_STREQ(BmpCheckMessage(BMP_CHECK::HeaderError), L"The BMP file header error!");
}

struct LengthCase {
    const char* name;
    std::vector<uint8_t> start;
    uint64_t length;
    BMP_CHECK expected;
    uint64_t bytesRead;  // what the loader reads of the file
};

class BmpLengthTest : public ::testing::TestWithParam<LengthCase> {};

// A file is judged by its first bytes and its length before it is read whole.
TEST_P(BmpLengthTest, RefusesWhatNoBitmapWithinTheCapNeeds)
{
    EXPECT_EQ(CheckBmpFileLength(GetParam().start, GetParam().length), GetParam().expected);
    EXPECT_EQ(BmpBytesToRead(GetParam().length), GetParam().bytesRead);
}

const std::vector<uint8_t> kBmpStart = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};

// A file header whose size field tells `length` (its low 32 bits).
std::vector<uint8_t> BmpStartOf(uint64_t length)
{
    std::vector<uint8_t> start = kBmpStart;
    for (size_t i = 0; i < 4; ++i)
        start[2 + i] = static_cast<uint8_t>(length >> (8 * i));
    return start;
}

constexpr uint64_t kLongest = 14 + 40 + 1024 + (64ull << 20);

INSTANTIATE_TEST_SUITE_P(Cases, BmpLengthTest, ::testing::Values(
    LengthCase{"small", kBmpStart, 54 + 12, BMP_CHECK::Ok, 54 + 12},
    LengthCase{"largest_8_bit_within_the_cap", kBmpStart, kLongest, BMP_CHECK::Ok, kLongest},
    LengthCase{"one_byte_longer", BmpStartOf(kLongest + 1), kLongest + 1, BMP_CHECK::BuildError, 14},
    LengthCase{"one_byte_longer_size_field_wrong", kBmpStart, kLongest + 1, BMP_CHECK::HeaderError, 14},
    LengthCase{"just_under_4_gib", BmpStartOf(0xFFFFFFFEull), 0xFFFFFFFEull, BMP_CHECK::BuildError, 14},
    LengthCase{"4_gib_plus_what_the_field_tells", BmpStartOf(54), (4ull << 30) + 54, BMP_CHECK::HeaderError, 14},
    LengthCase{"header_cut_short", {'B', 'M', 0, 0}, 5ull << 30, BMP_CHECK::HeaderError, 14},
    LengthCase{"beyond_4_gib", kBmpStart, 5ull << 30, BMP_CHECK::HeaderError, 14},
    LengthCase{"long_and_no_bmp", {0x89, 'P', 'N', 'G'}, 5ull << 30, BMP_CHECK::NotBmp, 14},
    LengthCase{"empty_file", {}, 0, BMP_CHECK::NotBmp, 0}),
    [](const ::testing::TestParamInfo<LengthCase>& param) { return std::string(param.param.name); });

// The check of the whole file keeps to the same limit, so a file is never read whole for nothing.
TEST(BmpCheck, AFileLongerThanTheLimitIsNoBitmapEvenWhenItsPixelsFit)
{
    BmpSpec spec;
    spec.width = 4096;
    spec.height = 4096;  // 48 MiB of pixels: within the cap
    spec.pixelBytesDelta = static_cast<long>(kMaxBmpFileSize - (14 + 40 + 4096ull * 4096 * 3)) + 1;
    const std::vector<uint8_t> bytes = MakeBmp(spec);
    ASSERT_EQ(bytes.size(), kMaxBmpFileSize + 1);
    BMP_LAYOUT layout;
    EXPECT_EQ(CheckBmpFile(bytes, layout), BMP_CHECK::BuildError);
    spec.pixelBytesDelta -= 1;
    EXPECT_EQ(CheckBmpFile(MakeBmp(spec), layout), BMP_CHECK::Ok);
}

}  // namespace
