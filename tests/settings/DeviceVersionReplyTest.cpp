#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "DeviceVersionReply.h"

// Found by the test framework beside the type.
void PrintTo(const DEVICE_VERSION_TEXTS& texts, std::ostream* out)
{
    *out << "{" << ::testing::PrintToString(texts.hardwareVersion) << ", "
         << ::testing::PrintToString(texts.serialNumber) << "}";
}

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Reply(uint8_t high, uint8_t low, const std::string& serial, size_t size = 15)
{
    Bytes reply(std::max(size, 5 + serial.size()), 0x00);
    reply[1] = 0x81;
    reply[2] = 0x03;
    reply[3] = high;
    reply[4] = low;
    std::copy(serial.begin(), serial.end(), reply.begin() + 5);
    reply.resize(size);
    return reply;
}

struct ReplyCase {
    const char* name;
    Bytes reply;
    std::optional<DEVICE_VERSION_TEXTS> texts;
};

class DeviceVersionReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(DeviceVersionReplyTest, GivesHardwareVersionAndSerialNumber)
{
    EXPECT_EQ(ParseDeviceVersionReply(GetParam().reply), GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceVersionReplyTest, ::testing::Values(
    ReplyCase{"fifteen_bytes", Reply(0x12, 0x34, "NH20240017"), DEVICE_VERSION_TEXTS{L"1234", L"NH20240017"}},
    ReplyCase{"fourteen_bytes", Reply(0x12, 0x34, "NH20240017", 14), std::nullopt},
    ReplyCase{"empty", {}, std::nullopt},
    ReplyCase{"a_nibble_above_nine_gives_two_digits", Reply(0x0A, 0x01, "A"), DEVICE_VERSION_TEXTS{L"01001", L"A"}},
    ReplyCase{"all_nibbles_high", Reply(0xFF, 0xFF, "0123456789"), DEVICE_VERSION_TEXTS{L"15151515", L"0123456789"}},
    ReplyCase{"bytes_past_the_fifteenth_are_ignored", Reply(0x01, 0x02, "0123456789XYZ", 30),
              DEVICE_VERSION_TEXTS{L"0102", L"0123456789"}},
    ReplyCase{"eight_bit_serial_characters", Reply(0x00, 0x00, "\xC4\xD6\xDC" "1234567"),
              DEVICE_VERSION_TEXTS{L"0000", L"\u00C4\u00D6\u00DC1234567"}}),
    [](const ::testing::TestParamInfo<ReplyCase>& param) { return std::string(param.param.name); });

struct StoreCase {
    const wchar_t* stored;
    const wchar_t* fresh;
    bool store;
};

class SerialStoreTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(SerialStoreTest, StoresANewOrChangedSerialNumber)
{
    EXPECT_EQ(ShouldStoreSerialNumber(GetParam().stored, GetParam().fresh), GetParam().store);
}

INSTANTIATE_TEST_SUITE_P(Cases, SerialStoreTest, ::testing::Values(
    StoreCase{L"", L"NH20240017", true}, StoreCase{L"NH20240016", L"NH20240017", true},
    StoreCase{L"NH20240017", L"NH20240017", false}, StoreCase{L"nh20240017", L"NH20240017", true},
    StoreCase{L"NH20240017", L"", false}, StoreCase{L"NH20240017", L"          ", false},
    StoreCase{L"", L"", false}));

}  // namespace
