#pragma once
// Drawing the pieces of a bar's background image (BarPainting.h) into a device context.
#include <windows.h>

#include <vector>

#include "BarPainting.h"

SIZE BitmapSize(HBITMAP bitmap);

// Stretches each piece of `image` onto `dc` (SRCCOPY); nothing for a null image.
void DrawPieces(HDC dc, HBITMAP image, const std::vector<STRETCH_PIECE>& pieces);

// Copies `image` at its own size with its top-left corner at (x, y).
void DrawImage(HDC dc, HBITMAP image, int x, int y);
