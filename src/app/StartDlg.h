#pragma once
// The start splash, in its first form: it shows the program's title and build, sets the program
// version and closes itself after a short moment. The vehicle-software lists are loaded here once
// they exist.
#include "Dialog.h"

class CStartDlg : public CDialog {
public:
    explicit CStartDlg(HWND parent);

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    void OnOK() override {}      // Enter and Escape never close the splash
    void OnCancel() override {}
};
