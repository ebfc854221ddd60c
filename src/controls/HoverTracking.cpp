#include "HoverTracking.h"

void TrackHover(CWindow& control, bool& hover, UINT keys, POINT point)
{
    const bool leftDown = (keys & MK_LBUTTON) != 0;
    if (leftDown && !hover)
        return;
    if (GetCapture() != control.Handle()) {
        if (GetActiveWindow() && GetParent(control.Handle())) {
            hover = true;
            SetFocus(control.Handle());
            SetCapture(control.Handle());
            control.Invalidate(true);
        }
        return;
    }
    const RECT client = control.ClientRect();
    if (PtInRect(&client, point))
        return;
    if (hover) {
        hover = false;
        control.Invalidate(true);
    }
    if (!leftDown)
        ReleaseCapture();
}

bool IsHoverEndMessage(UINT message)
{
    return message == WM_KILLFOCUS || message == WM_CAPTURECHANGED;
}

void EndHover(CWindow& control, bool& hover, UINT message)
{
    if (!hover || !IsHoverEndMessage(message))
        return;
    if (message == WM_KILLFOCUS)
        hover = false;
    else if (GetCapture() == control.Handle())
        ReleaseCapture();
    control.Invalidate(true);
}
