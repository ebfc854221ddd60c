#pragma once
// The strip of icon buttons along the bottom edge of the main window (bar 402). Each command id it
// knows has a fixed slot, place and trio of images (BottomBarModel.h). A click goes through the frame
// to the active view, and the buttons are enabled as the active view answers for their commands:
// our framework has no idle update, so the bar runs that pass itself after every view switch, after
// every click, and on a short timer while it is shown.
#include <array>
#include <memory>

#include "BmpBtn.h"
#include "BottomBarModel.h"
#include "DialogBar.h"
#include "ScopedWin.h"

class CBottomBar : public CDialogBar {
public:
    static constexpr int kBarId = 402;
    static constexpr UINT kUpdateIntervalMs = 200;

    CBottomBar();
    ~CBottomBar() override;

    // Puts the button of a command in its slot, replacing what the slot held; unknown ids add
    // nothing. The second argument is kept for the callers' symmetry with the other bars.
    void AddButton(int id, bool show = true);
    CBmpBtn* GetButton(int id) const;
    void DestroyButtons();
    // Repaints the bar without erasing it.
    bool Refresh();

    // The command-update pass: each button is enabled exactly when the active view would carry out
    // its command (the view's enable flag, else whether it handles the command at all).
    void UpdateCommandStates();

protected:
    bool OnInitDialog() override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    bool WideLayout() const;

    std::array<std::unique_ptr<CBmpBtn>, kBottomBarSlots> m_slots;
    CScopedBitmap m_background;
    CScopedBitmap m_wideBackground;
};
