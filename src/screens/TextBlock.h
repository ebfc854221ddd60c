#pragma once
// A screen's message as one word-wrapped block of text: measured in the width it gets, centred in
// its area when it fits, else from the area's left or top edge.
#include <windows.h>

#include <string>

// The size of `text` wrapped in `width` pixels in the font selected into `dc`.
SIZE MeasureTextBlock(HDC dc, const std::wstring& text, int width);

// Draws `text` in black on a transparent background in the font selected into `dc`, moved up by
// `scrollY` pixels.
void DrawTextBlock(HDC dc, const std::wstring& text, const RECT& area, int scrollY = 0);
