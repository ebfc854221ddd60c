#pragma once
// What applying the link-mode page does, apart from the page's windows: the USB or Wi-Fi layout,
// the checks of the new network name, joining the network, reconfiguring the module, and the
// messages of each outcome. The page supplies its controls and the outside world through
// ILinkModePage, so the whole road runs in tests without a window. A new name that the network or
// the module took but "Config.xml" did not is said last, after the outcome: the next start would
// otherwise show the old name as if it were still in force.
#include <cstdint>
#include <optional>
#include <string>

#include "WlanHelper.h"

class ILinkModePage {
public:
    virtual ~ILinkModePage() = default;
    virtual bool HasUsbSerialPort() = 0;
    virtual std::wstring StoredSsid() = 0;
    // False when the name could not be written to "Config.xml".
    virtual bool StoreSsid(const std::wstring& ssid) = 0;
    virtual std::wstring EnteredSsid() = 0;
    virtual void ShowUsbLayout() = 0;
    // The Wi-Fi rows shown, the name in the box, the signal "Unknown".
    virtual void ShowWifiLayout(const std::wstring& ssid) = 0;
    virtual void SetEnteredSsid(const std::wstring& ssid) = 0;
    virtual void SetSignalText(const std::wstring& text) = 0;
    virtual void ShowMessage(const std::wstring& text) = 0;
    // The name in the thread's code page; null when it cannot carry every character.
    virtual std::optional<std::string> Narrow(const std::wstring& ssid) = 0;
    virtual int ConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys, uint32_t& quality) = 0;
    virtual int ConfigureModule(const std::string& ssid) = 0;
    virtual void Wait(unsigned milliseconds) = 0;
};

class CLinkModeApply {
public:
    static constexpr unsigned kProfileRetryWaitMs = 10000;
    static constexpr int kJoinPasses = 3;
    static constexpr int kProfileRetries = 3;
    static constexpr size_t kMaxSsidBytes = 32;  // the longest name a wireless network can have

    // The page opens: nothing seen yet.
    void Reset() { m_state = kWlanNotFound; m_quality = 0; }
    void Run(ILinkModePage& page);

    int State() const { return m_state; }
    uint32_t SignalQuality() const { return m_quality; }

    // The signal text of a quality: strong above 80, weak below 50.
    static std::wstring SignalText(uint32_t quality);

private:
    int Connect(ILinkModePage& page, const std::string& ssid, int mode, WLAN_KEY_SOURCE keys);
    void Store(ILinkModePage& page, const std::wstring& ssid);
    void JoinNetwork(ILinkModePage& page, const std::wstring& ssid, const std::string& narrow, bool renamed);
    bool ReconfigureModule(ILinkModePage& page, const std::wstring& ssid, const std::string& narrow);
    void ShowConnected(ILinkModePage& page);
    void ShowUnsaved(ILinkModePage& page);

    int m_state = kWlanNotFound;
    bool m_unsaved = false;  // the last store of the new name failed
    uint32_t m_quality = 0;
};
