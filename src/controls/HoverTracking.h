#pragma once
// The hover rule of the skinned controls: the control takes the mouse capture while the pointer is
// over it (and the focus), and lets it go once the pointer leaves with the button up.
#include <windows.h>

#include "Window.h"

// Applies the rule to one mouse move; `hover` is the control's hover flag.
void TrackHover(CWindow& control, bool& hover, UINT keys, POINT point);

// The end of a hover, for WM_KILLFOCUS and WM_CAPTURECHANGED (other messages are left alone):
// losing the focus clears the flag; of a capture only the control's own is released, a capture
// taken by another window stays with it. The caller then lets the message take its default course.
bool IsHoverEndMessage(UINT message);
void EndHover(CWindow& control, bool& hover, UINT message);
