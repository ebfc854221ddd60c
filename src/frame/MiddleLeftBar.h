#pragma once
// The column of item buttons on the left of the main window (bar 401): each view fills it with its
// own entries when shown.
#include "DialogBar.h"

class CMiddleLeftBar : public CDialogBar {
public:
    static constexpr int kBarId = 401;
    CMiddleLeftBar() : CDialogBar(kBarId) {}

    void ClearItemList() {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
