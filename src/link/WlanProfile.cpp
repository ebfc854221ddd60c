#include "WlanProfile.h"

#include "WifiModuleForms.h"

namespace {

constexpr size_t kFactoryKeyLength = 8;

std::wstring Widen(const char* ascii)
{
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

bool IsAscii(const std::string& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::wstring HexOf(const std::string& bytes)
{
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kHex[byte >> 4]);
        hex.push_back(kHex[byte & 0x0F]);
    }
    return hex;
}

std::wstring SecurityXml(const WLAN_PROFILE_SECURITY& security)
{
    if (!security.secured) {
        return L"<MSM><security><authEncryption><authentication>open</authentication>"
               L"<encryption>none</encryption><useOneX>false</useOneX></authEncryption>";
    }
    return L"<MSM><security><authEncryption><authentication>WPA2PSK</authentication><encryption>" +
           XmlEscape(security.cipher) +
           L"</encryption><useOneX>false</useOneX></authEncryption>"
           L"<sharedKey><keyType>passPhrase</keyType><protected>false</protected><keyMaterial>" +
           XmlEscape(security.passPhrase) + L"</keyMaterial></sharedKey>";
}

}  // namespace

WLAN_PROFILE_SECURITY FactoryModuleSecurity(const std::wstring& ssid, bool securityEnabled)
{
    if (!securityEnabled)
        return {};
    const std::wstring key =
        ssid.size() >= kFactoryKeyLength ? ssid.substr(ssid.size() - kFactoryKeyLength) : Widen(kWifiModuleKey);
    return {true, L"AES", key};
}

WLAN_PROFILE_SECURITY ConfiguredModuleSecurity(bool securityEnabled)
{
    if (!securityEnabled)
        return {};
    return {true, Widen(kWifiModuleCipher), Widen(kWifiModuleKey)};
}

std::wstring XmlEscape(const std::wstring& text)
{
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
        case L'&': escaped += L"&amp;"; break;
        case L'<': escaped += L"&lt;"; break;
        case L'>': escaped += L"&gt;"; break;
        case L'"': escaped += L"&quot;"; break;
        case L'\'': escaped += L"&apos;"; break;
        default: escaped.push_back(c);
        }
    }
    return escaped;
}

std::wstring BuildWlanProfileXml(const std::string& ssidBytes, const std::wstring& ssid,
                                 const WLAN_PROFILE_SECURITY& security)
{
    const std::wstring name = XmlEscape(ssid);
    const std::wstring hex = IsAscii(ssidBytes) ? std::wstring() : L"<hex>" + HexOf(ssidBytes) + L"</hex>";
    return L"<?xml version=\"1.0\"?>"
           L"<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
           L"<name>" + name + L"</name>"
           L"<SSIDConfig><SSID>" + hex + L"<name>" + name + L"</name></SSID></SSIDConfig>"
           L"<connectionType>ESS</connectionType><connectionMode>auto</connectionMode>"
           L"<autoSwitch>true</autoSwitch>" +
           SecurityXml(security) + L"</security></MSM></WLANProfile>";
}
