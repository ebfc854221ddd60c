#pragma once
// The device's answer to the version request (00 01), as the device information page shows it.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

inline constexpr size_t kDeviceVersionReplyMinSize = 15;

struct DEVICE_VERSION_TEXTS {
    std::wstring hardwareVersion;  // reply bytes 3 and 4 as four 4-bit numbers: 0x12 0x34 gives "1234"
    std::wstring serialNumber;     // reply bytes 5 to 14, one character per byte

    bool operator==(const DEVICE_VERSION_TEXTS&) const = default;
};

// The texts of a reply, or nothing when it is shorter than kDeviceVersionReplyMinSize. Bytes past
// the fifteenth are not looked at. A nibble above 9 gives two digits ("10"), as the device's own
// tools show it; a zero byte in the serial number gives no character.
std::optional<DEVICE_VERSION_TEXTS> ParseDeviceVersionReply(std::span<const uint8_t> reply);

// Whether a serial number read from the device must be stored over the stored one. A blank one
// (nothing but spaces: a device that was never given a number) never replaces what is stored, since
// the same write also names the Wi-Fi network the station joins.
bool ShouldStoreSerialNumber(const std::wstring& stored, const std::wstring& fresh);
