#include "LinkModeApply.h"

#include "StringResources.h"
#include "WifiModuleForms.h"

namespace {

constexpr uint32_t kAlreadyConnected = 0x10080019;
constexpr uint32_t kNoSignal = 0x10080020;
constexpr uint32_t kSsidTooLong = 0x10080022;
constexpr uint32_t kStrongSignal = 0x10080023;
constexpr uint32_t kWeakSignal = 0x10080024;
constexpr uint32_t kMiddleSignal = 0x10080025;
constexpr uint32_t kModuleFailed = 0x10080031;
constexpr uint32_t kProfileFailed = 0x10080032;
// No text of the string files says this; the words are ours.
constexpr const wchar_t* kNotSaved = L"The new SSID could not be saved in \"Config.xml\".";

void Show(ILinkModePage& page, uint32_t id, const wchar_t* english)
{
    page.ShowMessage(ResGetStringOr(id, english));
}

}  // namespace

// The three signal texts have no built-in English; these words are ours.
std::wstring CLinkModeApply::SignalText(uint32_t quality)
{
    if (quality > 80)
        return ResGetStringOr(kStrongSignal, L"Strong");
    if (quality < 50)
        return ResGetStringOr(kWeakSignal, L"Weak");
    return ResGetStringOr(kMiddleSignal, L"Medium");
}

int CLinkModeApply::Connect(ILinkModePage& page, const std::string& ssid, int mode, WLAN_KEY_SOURCE keys)
{
    uint32_t quality = 0;
    const int result = page.ConnectSsid(ssid, mode, keys, quality);
    m_quality = quality;
    return result;
}

void CLinkModeApply::Run(ILinkModePage& page)
{
    if (page.HasUsbSerialPort()) {
        page.ShowUsbLayout();
        Show(page, kAlreadyConnected, L"Already connected.");
        return;
    }
    const std::wstring stored = page.StoredSsid();
    std::wstring entered = page.EnteredSsid();
    if (entered.empty())
        entered = stored;
    else if (entered.size() > kWifiModuleMaxSsidCharacters) {
        Show(page, kSsidTooLong, L"Error: SSID can not include more than 11 character");
        return;
    }
    page.ShowWifiLayout(entered);
    const std::optional<std::string> narrow = page.Narrow(entered);
    // A name the code page cannot carry would reach the module and the profile as another name.
    if (!narrow || narrow->empty() || narrow->size() > kMaxSsidBytes) {
        Show(page, kModuleFailed, L"Failed to set new SSID");
        return;
    }
    const bool renamed = entered != stored;
    m_unsaved = false;
    if (m_state != kWlanConnected) {
        JoinNetwork(page, entered, *narrow, renamed);
        if (m_state == kWlanConnected)
            ShowConnected(page);
        else
            Show(page, kNoSignal, L"Can not find the USB or WIFI signal.");
        ShowUnsaved(page);
        return;
    }
    if (renamed && !ReconfigureModule(page, entered, *narrow)) {
        // The module keeps its old name: say so, and show the name it still has.
        page.SetEnteredSsid(stored);
        return;
    }
    if (m_state == kWlanConnected)
        ShowConnected(page);
    ShowUnsaved(page);
}

void CLinkModeApply::Store(ILinkModePage& page, const std::wstring& ssid)
{
    m_unsaved = !page.StoreSsid(ssid);
}

void CLinkModeApply::JoinNetwork(ILinkModePage& page, const std::wstring& ssid, const std::string& narrow,
                                 bool renamed)
{
    for (int pass = 0; pass < kJoinPasses; ++pass) {
        if (renamed)
            Connect(page, narrow, kWlanSetProfileOnly, WLAN_KEY_SOURCE::FactoryModule);
        m_state = Connect(page, narrow, kWlanSetProfileAndConnect, WLAN_KEY_SOURCE::FactoryModule);
        if (m_state == kWlanConnected && renamed)
            Store(page, ssid);
    }
}

// False when the module refused its new name; the state then still says connected (to the old one).
bool CLinkModeApply::ReconfigureModule(ILinkModePage& page, const std::wstring& ssid, const std::string& narrow)
{
    if (page.ConfigureModule(narrow) != 1) {
        Show(page, kModuleFailed, L"Failed to set new SSID");
        return false;
    }
    Store(page, ssid);
    m_state = Connect(page, narrow, kWlanSetProfileOnly, WLAN_KEY_SOURCE::ConfiguredModule);
    if (m_state == kWlanProfileSet) {
        for (int retry = 0; retry < kProfileRetries && m_state != kWlanConnected; ++retry) {
            page.Wait(kProfileRetryWaitMs);
            m_state = Connect(page, narrow, kWlanSetProfileAndConnect, WLAN_KEY_SOURCE::ConfiguredModule);
        }
    } else {
        Show(page, kProfileFailed, L"Failed to set SSID profile.");
    }
    if (m_state == kWlanNotFound) {
        Show(page, kNoSignal,
             L"Can not find the USB or WIFI signal.Please let the Oskel power-off then power-on,and try again");
    }
    return true;
}

void CLinkModeApply::ShowUnsaved(ILinkModePage& page)
{
    if (m_unsaved)
        page.ShowMessage(kNotSaved);
}

void CLinkModeApply::ShowConnected(ILinkModePage& page)
{
    page.SetSignalText(SignalText(m_quality));
    Show(page, kAlreadyConnected, L"Already connected.");
}
