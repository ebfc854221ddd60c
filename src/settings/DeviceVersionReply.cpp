#include "DeviceVersionReply.h"

namespace {

constexpr size_t kHardwareOffset = 3;
constexpr size_t kSerialOffset = 5;
constexpr size_t kSerialSize = 10;

void AppendNibbles(std::wstring& text, uint8_t byte)
{
    for (const unsigned nibble : {unsigned{byte} >> 4, unsigned{byte} & 0x0Fu})
        text += std::to_wstring(nibble);
}

}  // namespace

std::optional<DEVICE_VERSION_TEXTS> ParseDeviceVersionReply(std::span<const uint8_t> reply)
{
    if (reply.size() < kDeviceVersionReplyMinSize)
        return std::nullopt;
    DEVICE_VERSION_TEXTS texts;
    AppendNibbles(texts.hardwareVersion, reply[kHardwareOffset]);
    AppendNibbles(texts.hardwareVersion, reply[kHardwareOffset + 1]);
    for (const uint8_t byte : reply.subspan(kSerialOffset, kSerialSize)) {
        if (byte != 0)
            texts.serialNumber += static_cast<wchar_t>(byte);
    }
    return texts;
}

bool ShouldStoreSerialNumber(const std::wstring& stored, const std::wstring& fresh)
{
    if (fresh.find_first_not_of(L' ') == std::wstring::npos)
        return false;
    return stored.empty() || stored != fresh;
}
