#pragma once
// The "System Information" page of the settings: four label/value rows and a status line; each time
// the page is shown it reads the hardware version and serial number from the vehicle interface.
#include <array>
#include <memory>

#include "BmpBtn.h"
#include "DeviceInfoPage.h"
#include "SetupPage.h"

class CDiagnoseVerInfoDlg : public CSetupPage {
public:
    explicit CDiagnoseVerInfoDlg(HWND view);

    // The settings view calls this each time the page is shown.
    void StartRead();
    void AfterShow() override { StartRead(); }

    const CDeviceInfoPage& Logic() const { return m_logic; }
    // The read runs at once instead of on its timer (tests).
    void ReadNow();

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    void ShowValues();

    CDeviceInfoPage m_logic;
    HWND m_status = nullptr;
    std::array<std::unique_ptr<CBmpBtn>, 2 * CDeviceInfoPage::kRowCount> m_cells;  // label, value per row
};
