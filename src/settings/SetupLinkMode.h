#pragma once
// The link-mode page: whether the vehicle interface is joined by its USB-serial cable or by Wi-Fi,
// the signal strength, and a new network name for the interface's wireless module. Applying runs
// on a timer tick after the "checking" message has been painted, because the work blocks.
#include <functional>

#include "Dialog.h"
#include "LinkModeApply.h"
#include "WifiModuleSetup.h"

// What the page reaches outside the program; tests replace each part.
struct LINK_MODE_SERVICES {
    std::function<bool()> hasUsbSerialPort;
    WLAN_SERVICES wlan;
    std::function<WIFI_MODULE_LINK()> moduleLink;
    std::function<void(unsigned milliseconds)> wait;
};

class CSetupLinkMode : public CDialog, private ILinkModePage {
public:
    static constexpr int kTemplateId = 298;
    static constexpr int kSignalLabel = 1085;
    static constexpr int kSsidLabel = 1086;
    static constexpr int kModeLabel = 1087;
    static constexpr int kSignalText = 1088;
    static constexpr int kModeText = 1090;
    static constexpr int kSsidEdit = 1091;
    static constexpr UINT_PTR kApplyTimer = 1;
    static constexpr unsigned kApplyDelayMs = 100;

    explicit CSetupLinkMode(HWND parent);

    // The system's ports, wireless service and module, waiting with Sleep.
    static LINK_MODE_SERVICES SystemServices();
    void SetServices(LINK_MODE_SERVICES services) { m_services = std::move(services); }

    void Apply();
    int ConnectionState() const { return m_apply.State(); }

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // ILinkModePage
    bool HasUsbSerialPort() override;
    std::wstring StoredSsid() override;
    bool StoreSsid(const std::wstring& ssid) override;
    std::wstring EnteredSsid() override;
    void ShowUsbLayout() override;
    void ShowWifiLayout(const std::wstring& ssid) override;
    void SetEnteredSsid(const std::wstring& ssid) override;
    void SetSignalText(const std::wstring& text) override;
    void ShowMessage(const std::wstring& text) override;
    std::optional<std::string> Narrow(const std::wstring& ssid) override;
    int ConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys, uint32_t& quality) override;
    int ConfigureModule(const std::string& ssid) override;
    void Wait(unsigned milliseconds) override;

    void ShowWifiRows(bool show);
    void PlaceControls();

    LINK_MODE_SERVICES m_services;
    CLinkModeApply m_apply;
};
