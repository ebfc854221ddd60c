#pragma once
// A flat progress bar over a standard progress control of a dialog template: a grey frame, an
// orange fill and the percentage in its middle. The position is the control's own (0 to 100).
#include <windows.h>

#include <commctrl.h>

#include "Window.h"

class CTextProgressCtrl : public CWindow {
public:
    int GetPos() const { return static_cast<int>(SendMsg(PBM_GETPOS)); }
    void SetPos(int position) const { SendMsg(PBM_SETPOS, static_cast<WPARAM>(position)); }

    // Draws the bar as the control shows it at `position`, into any device context.
    static void DrawBar(HDC dc, const RECT& client, int position);

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
};
