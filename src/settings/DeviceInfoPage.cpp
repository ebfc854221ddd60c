#include "DeviceInfoPage.h"

#include <windows.h>

#include <cwchar>

#include "ConfigStore.h"
#include "DeviceVersionReply.h"
#include "LinkTransport.h"
#include "ProcessValues.h"
#include "StringResources.h"

namespace {

constexpr uint32_t kSystemNameLabel = 0x1008003A;
constexpr uint32_t kSoftwareVersionLabel = 0x10000107;
constexpr uint32_t kHardwareVersionLabel = 0x10000106;
constexpr uint32_t kSerialNumberLabel = 0x10000108;
constexpr uint32_t kUnknownText = 0x1000010A;
constexpr uint32_t kReadingText = 0x10000904;

const wchar_t* const kNotReadYet = L"----";
const wchar_t* const kLoginElement = L"COMMON\\LOGIN";
const wchar_t* const kSerialKey = L"SERIALNO";
const wchar_t* const kWifiElement = L"COMMON\\WIFI";
const wchar_t* const kNetworkKey = L"SSID";

}  // namespace

CDeviceInfoPage::CDeviceInfoPage() : m_pause([](unsigned milliseconds) { Sleep(milliseconds); })
{
    for (std::wstring& value : m_values)
        value = kNotReadYet;
}

std::wstring CDeviceInfoPage::LabelText(Row row)
{
    switch (row) {
    case kSystemName:
        return ResGetStringOr(kSystemNameLabel, L"System Name:");
    case kSoftwareVersion:
        return ResGetString(kSoftwareVersionLabel);
    case kHardwareVersion:
        return ResGetString(kHardwareVersionLabel);
    case kSerialNumber:
        return ResGetStringOr(kSerialNumberLabel, L"Serial No:");
    case kRowCount:
        break;
    }
    return {};
}

bool CDeviceInfoPage::StartRead()
{
    m_status = ResGetStringOr(kReadingText, L"Reading version data, please wait...");
    if (m_reading)
        return false;
    m_reading = true;
    return true;
}

void CDeviceInfoPage::ShowFixedRows()
{
    m_values[kSystemName] = GetGlobalText();
    wchar_t version[32] = {};
    std::swprintf(version, std::size(version), L"%.2f", static_cast<double>(GetGlobalFloat2()));
    m_values[kSoftwareVersion] = version;
}

void CDeviceInfoPage::ShowUnknown()
{
    // The program's own literal for a missing text is spelt this way.
    const std::wstring unknown = ResGetStringOr(kUnknownText, L"Unkown");
    m_values[kHardwareVersion] = unknown;
    m_values[kSerialNumber] = unknown;
}

void CDeviceInfoPage::RunRead()
{
    ShowFixedRows();
    if (!ReadFromDevice())
        ShowUnknown();
    m_reading = false;
    m_done = true;
    m_status.clear();
}

std::optional<std::vector<uint8_t>> ReadDeviceVersion(const std::function<void(unsigned)>& pause)
{
    LinkTransport link;
    if (!link.LinkConnect())
        return std::nullopt;
    const uint8_t reset[] = {0x00, 0xFE, 0x00};
    if (link.LinkWriteFrame(reset, sizeof(reset)) != static_cast<int>(sizeof(reset))) {
        link.LinkDisconnect();
        return std::nullopt;
    }
    pause(CDeviceInfoPage::kSettleDelayMs);

    std::optional<std::vector<uint8_t>> version;
    uint8_t reply[CDeviceInfoPage::kReplyRoom] = {};
    const uint8_t linkCheck[] = {0x00, 0x06};
    link.LinkWriteFrame(linkCheck, sizeof(linkCheck));
    if (link.LinkReadFrame(reply, sizeof(reply)) >= 0) {
        const uint8_t request[] = {0x00, 0x01};
        link.LinkWriteFrame(request, sizeof(request));
        // Only the bytes that arrived count.
        const int length = link.LinkReadFrame(reply, sizeof(reply));
        if (length >= 0)
            version.emplace(reply, reply + length);
    }
    link.LinkDisconnect();
    return version;
}

bool CDeviceInfoPage::ReadFromDevice()
{
    const std::wstring stored = GetConfigValue(kLoginElement, kSerialKey, L"");
    const auto reply = ReadDeviceVersion(m_pause);
    const auto texts = reply ? ParseDeviceVersionReply(*reply) : std::nullopt;
    if (!texts)
        return false;
    m_values[kHardwareVersion] = texts->hardwareVersion;
    m_values[kSerialNumber] = texts->serialNumber;
    if (ShouldStoreSerialNumber(stored, texts->serialNumber)) {
        SetConfigValue(kLoginElement, kSerialKey, texts->serialNumber.c_str());
        SetConfigValue(kWifiElement, kNetworkKey, texts->serialNumber.c_str());
    }
    return true;
}
