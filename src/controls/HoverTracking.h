#pragma once
// The hover rule of the skinned controls: the control takes the mouse capture while the pointer is
// over it (and the focus), and lets it go once the pointer leaves with the button up.
#include <windows.h>

#include "Window.h"

// Applies the rule to one mouse move; `hover` is the control's hover flag.
void TrackHover(CWindow& control, bool& hover, UINT keys, POINT point);
