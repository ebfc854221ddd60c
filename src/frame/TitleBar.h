#pragma once
// The title of the current screen (bar 139), set by the screens when they draw a request.
#include <string>

#include "DialogBar.h"
#include "ScopedWin.h"

class CTitleBar : public CDialogBar {
public:
    static constexpr int kBarId = 139;
    CTitleBar() : CDialogBar(kBarId) {}

    // Stores the title without repainting: the bar shows it at its next paint, so a screen can set
    // its title before it shows the bar.
    void SetTitle(const std::wstring& title) { m_title = title; }
    std::wstring GetTitle() const { return m_title; }
    // Shows a new title at once, as a screen does when it draws a request; the same title again
    // costs no repaint.
    void ShowTitle(const std::wstring& title);

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }  // the paint covers the whole bar
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::wstring m_title;
    CScopedBitmap m_background;
};
