#pragma once
// The column of item buttons on the left of the main window (bar 401): each view fills it with its
// own entries when shown.
#include "DialogBar.h"
#include "ScopedWin.h"

class CMiddleLeftBar : public CDialogBar {
public:
    static constexpr int kBarId = 401;
    CMiddleLeftBar() : CDialogBar(kBarId) {}

    void ClearItemList() { m_hLogo.Reset(); }
    // The maker logo shown for the diagnosis screens; the bar owns it.
    void SetLogo(HBITMAP logo) { m_hLogo.Reset(logo); }

protected:
    void OnOK() override {}
    void OnCancel() override {}

private:
    CScopedBitmap m_hLogo;
};
