#pragma once
// The start splash, in its first form: it shows the program's title and build and sets the program
// version; one second after it is shown it loads the vehicle-software lists, then it closes.
#include <string>

#include "Dialog.h"

class CStartDlg : public CDialog {
public:
    explicit CStartDlg(HWND parent);

    // The loaders of the vehicle-software lists (SoftwareLists.h). They need no window: the store
    // runs them again after an install. LoadConfiguration takes the program folder + "Scan\" and
    // rebuilds the installed languages, the regions and the makers; LoadVehicleNames takes the
    // program folder + "Scan\PRO\" and rebuilds the families.
    static void LoadConfiguration(const std::wstring& scanFolder);
    static void LoadVehicleNames(const std::wstring& proFolder);

    bool IsLoaded() const { return m_bLoaded; }

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    void OnOK() override {}      // Enter and Escape never close the splash
    void OnCancel() override {}

private:
    bool m_bLoaded = false;
};
