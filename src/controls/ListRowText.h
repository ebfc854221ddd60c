#pragma once
// The texts of one row of an owner-drawn report list, as the program's lists draw them: each
// column's text (up to ten) from a few pixels inside its cell, on one line, vertically centred,
// with "&" shown as it stands. The caller has filled the row and chosen the colours.
#include <windows.h>

void DrawListRowTexts(const DRAWITEMSTRUCT& item);
