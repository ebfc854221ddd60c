#pragma once
// The striped look of the setup pages that apply a choice at once: bands 38 pixels high, grey and
// white from the top, a grey margin on the left and a line down the middle.
#include <windows.h>

#include <cstdint>

constexpr int kSetupBandHeight = 38;
constexpr COLORREF kSetupGreyBand = RGB(0xF0, 0xF0, 0xF0);
constexpr COLORREF kSetupWhiteBand = RGB(0xFF, 0xFF, 0xFF);

// The colour of band `band` (0 is the top one).
inline COLORREF SetupBandColour(int band)
{
    return band % 2 == 0 ? kSetupGreyBand : kSetupWhiteBand;
}

void PaintSetupStripes(HDC dc, const RECT& client);

// The rectangle of a window of `size` centred in the half (0 left, 1 right) of band `band`.
RECT CentreInSetupCell(const RECT& client, int half, int band, SIZE size);
