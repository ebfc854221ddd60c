#pragma once
// The left guide bar: the Update command (1201), which starts the separate updater through the
// update view (305). It holds one strip-image button that the frame places at the foot of the item
// column, under the item buttons, and shows wherever the navigation bars are shown. It is a window
// of its own beside the item column, so disabling that column (the settings' update page does,
// while it downloads) leaves the Update command reachable.
#include "BmpButton.h"
#include "Window.h"

class CLeftGuideBar : public CWindow {
public:
    static constexpr int kUpdateId = 1201;

    bool CreateBar(HWND frame);
    // Places the bar at the foot of `column` (frame client coordinates) and tells whether it fits
    // under `itemsBottom`, where the column's items end.
    bool Place(const RECT& column, int itemsBottom);

    void EnableUpdateButton(bool enable);
    CBmpButton& UpdateButton() { return m_update; }

    // The Update command: after the leave question of a running diagnosis and its end, disables
    // the button, shows the update view and asks it to start the updater.
    void OnGoUpdate();

protected:
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }

private:
    CBmpButton m_update;
};
