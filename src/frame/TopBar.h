#pragma once
// The bar of main destinations at the top of the main window (bar 376). Created and docked by the main frame for the whole run.
#include "DialogBar.h"

class CTopBar : public CDialogBar {
public:
    static constexpr int kBarId = 376;
    CTopBar() : CDialogBar(kBarId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
