#pragma once
// The about box: the program's icon, its name and its version.
#include "Dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(HWND parent);

protected:
    bool OnInitDialog() override;
};
