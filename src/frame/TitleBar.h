#pragma once
// The title of the current screen (bar 139). Created and docked by the main frame for the whole run.
#include "DialogBar.h"

class CTitleBar : public CDialogBar {
public:
    static constexpr int kBarId = 139;
    CTitleBar() : CDialogBar(kBarId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
