#pragma once
// The strip of icon buttons along the bottom edge of the main window (bar 402). Created and docked by the main frame for the whole run.
#include "DialogBar.h"

class CBottomBar : public CDialogBar {
public:
    static constexpr int kBarId = 402;
    CBottomBar() : CDialogBar(kBarId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
