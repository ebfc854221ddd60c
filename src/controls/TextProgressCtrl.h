#pragma once
// A flat progress bar over a standard progress control of a dialog template: a grey frame, an
// orange fill and the percentage in its middle. The range is the control's (0 to 100); the bar
// keeps its position itself, because the standard control repaints at once at every new
// position, where this bar repaints with the rest of the screen.
#include <windows.h>

#include <commctrl.h>

#include "Window.h"

class CTextProgressCtrl : public CWindow {
public:
    int GetPos() const { return static_cast<int>(SendMsg(PBM_GETPOS)); }
    void SetPos(int position) const { SendMsg(PBM_SETPOS, static_cast<WPARAM>(position)); }
    // Moves the bar without asking for its repaint: for a parent that repaints itself and its
    // children at once (each request for a repaint is a call into the window server).
    void SetPosRepaintedByParent(int position) { MoveTo(position, false); }

    // Draws the bar as the control shows it at `position`, into any device context.
    static void DrawBar(HDC dc, const RECT& client, int position);

protected:
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Moves to `position` kept within the control's range; the position before.
    int MoveTo(int position, bool repaint = true);
    int Position();

    bool m_positionKnown = false;  // until the first move, the control's own position holds
    int m_position = 0;
};
