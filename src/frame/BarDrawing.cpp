#include "BarDrawing.h"

#include "ScopedWin.h"

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void DrawPieces(HDC dc, HBITMAP image, const std::vector<STRETCH_PIECE>& pieces)
{
    if (!image)
        return;
    CMemoryDc memory(dc);
    CSelectObject selected(memory.Get(), image);
    SetStretchBltMode(dc, COLORONCOLOR);
    for (const STRETCH_PIECE& piece : pieces) {
        StretchBlt(dc, piece.x, piece.y, piece.width, piece.height, memory.Get(), piece.sourceX, piece.sourceY,
                   piece.sourceWidth, piece.sourceHeight, SRCCOPY);
    }
}

void DrawImage(HDC dc, HBITMAP image, int x, int y)
{
    if (!image)
        return;
    const SIZE size = BitmapSize(image);
    CMemoryDc memory(dc);
    CSelectObject selected(memory.Get(), image);
    BitBlt(dc, x, y, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
}
