#include "TextBlock.h"

namespace {

// Texts from the diagnostic program are shown as sent: an "&" is a character, not an accelerator.
constexpr UINT kWrapFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL;

int StartOf(int areaStart, int areaSize, int blockSize)
{
    return blockSize <= areaSize ? areaStart + (areaSize - blockSize) / 2 : areaStart;
}

}  // namespace

SIZE MeasureTextBlock(HDC dc, const std::wstring& text, int width)
{
    RECT measured = {0, 0, width, 0};
    if (text.empty() || width <= 0)
        return {0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, kWrapFormat | DT_CALCRECT);
    return {measured.right - measured.left, measured.bottom - measured.top};
}

void DrawTextBlock(HDC dc, const std::wstring& text, const RECT& area, int scrollY)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const SIZE block = MeasureTextBlock(dc, text, width);
    const int left = StartOf(area.left, width, block.cx);
    const int top = StartOf(area.top, height, block.cy) - scrollY;
    RECT place = {left, top, left + block.cx, top + block.cy};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, kWrapFormat);
}
