#include "ComPortChoice.h"

#include <algorithm>

namespace {

std::wstring AsciiLower(std::wstring text)
{
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

}  // namespace

bool IsBridgeDeviceName(const std::wstring& device)
{
    return AsciiLower(device).find(L"\\device\\silabser") != std::wstring::npos;
}

std::vector<std::wstring> BridgePorts(const std::vector<SERIAL_PORT_ENTRY>& entries)
{
    std::vector<std::wstring> ports;
    for (const SERIAL_PORT_ENTRY& entry : entries) {
        if (IsBridgeDeviceName(entry.device))
            ports.push_back(entry.port);
    }
    return ports;
}

std::optional<std::wstring> ChooseComPort(const std::vector<SERIAL_PORT_ENTRY>& entries, const std::wstring& stored)
{
    const std::vector<std::wstring> ports = BridgePorts(entries);
    if (ports.empty() || std::ranges::find(ports, stored) != ports.end())
        return std::nullopt;
    return ports.front();
}
