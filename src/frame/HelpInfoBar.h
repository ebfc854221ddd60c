#pragma once
// A line of help or status text under the screens (bar 283). Created and docked by the main frame for the whole run.
#include "DialogBar.h"

class CHelpInfoBar : public CDialogBar {
public:
    static constexpr int kBarId = 283;
    CHelpInfoBar() : CDialogBar(kBarId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
