#include "SetupStripes.h"

#include "ScopedWin.h"

namespace {

constexpr COLORREF kMarginColour = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kLineColour = RGB(0xA0, 0xA0, 0xA0);
constexpr int kMarginRight = 30;  // a 40-pixel stroke centred on x = 10

void Fill(HDC dc, RECT rect, COLORREF colour)
{
    CScopedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

}  // namespace

void PaintSetupStripes(HDC dc, const RECT& client)
{
    const int height = client.bottom - client.top;
    Fill(dc, client, kSetupWhiteBand);
    const int bands = (height + kSetupBandHeight / 2) / kSetupBandHeight;
    for (int band = 0; band < bands; ++band) {
        const int top = client.top + band * kSetupBandHeight;
        Fill(dc, RECT{client.left, top, client.right, top + kSetupBandHeight}, SetupBandColour(band));
    }
    Fill(dc, RECT{client.left, client.top, client.left + kMarginRight, client.bottom}, kMarginColour);
    Fill(dc, RECT{client.left + kMarginRight, client.top, client.left + kMarginRight + 1, client.bottom}, kLineColour);
    const int middle = client.left + (client.right - client.left) / 2;
    Fill(dc, RECT{middle, client.top, middle + 1, client.bottom}, kLineColour);
}

RECT CentreInSetupCell(const RECT& client, int half, int band, SIZE size)
{
    const int halfWidth = (client.right - client.left) / 2;
    const int centreX = client.left + halfWidth * half + halfWidth / 2;
    const int centreY = client.top + band * kSetupBandHeight + kSetupBandHeight / 2;
    const int left = centreX - size.cx / 2;
    const int top = centreY - size.cy / 2;
    return RECT{left, top, left + size.cx, top + size.cy};
}
