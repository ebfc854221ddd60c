#include "ScaleProgressCtrl.h"

#include <commctrl.h>

#include "MemDC.h"
#include "ProgressLayout.h"
#include "ScopedWin.h"

namespace {

constexpr int kStrip = 5;
constexpr int kLabelSize = 20;
constexpr int kLabelGap = 2;

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    CScopedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace

void CScaleProgressCtrl::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    m_nPos = lower;
    SendMsg(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
}

void CScaleProgressCtrl::SetPos(int position)
{
    m_nPos = position;
    SendMsg(PBM_SETPOS, static_cast<WPARAM>(position));
}

void CScaleProgressCtrl::SetScale(int scaleOn, int scalePosition, int divisions)
{
    m_bShowScale = scaleOn;
    m_nScalePosition = scalePosition;
    m_nDivisions = divisions;
}

void CScaleProgressCtrl::DrawBar(HDC dc, RECT bar) const
{
    if (m_bShowScale) {
        if (m_nScalePosition != ScaleAcross)
            bar.top += kStrip;
        if (m_nScalePosition != ScaleAbove)
            bar.bottom -= kStrip;
    }
    const RECT upperStrip = {bar.left, bar.top - kStrip, bar.right, bar.top};
    const RECT lowerStrip = {bar.left, bar.bottom, bar.right, bar.bottom + kStrip};
    Fill(dc, bar, m_crBackground);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (m_bShowScale) {
        Fill(dc, upperStrip, face);
        Fill(dc, lowerStrip, face);
    }
    const int filled = ScaleFilledWidth(bar.right - bar.left, m_nLower, m_nUpper, m_nPos);
    Fill(dc, RECT{bar.left, bar.top, bar.left + filled, bar.bottom}, m_crBar);
    if (m_bShowScale)
        DrawScale(dc, bar);
}

void CScaleProgressCtrl::DrawScale(HDC dc, const RECT& bar) const
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_crText);
    for (const SCALE_TICK& tick : LayoutScaleTicks(bar.right - bar.left, m_nUpper, m_nDivisions)) {
        const int x = tick.x;
        switch (m_nScalePosition) {
        case ScaleAbove:
            Line(dc, x, 0, x, kStrip);
            break;
        case ScaleAcross: {
            Line(dc, x, bar.bottom, x, bar.top);
            // The last number ends just left of its own line: the line lies at the bar's right end,
            // and a number right-aligned over it would be crossed by it.
            RECT place = tick.rightAligned ? RECT{bar.left, bar.top, x - kLabelGap, bar.bottom}
                                           : RECT{x, bar.bottom - kLabelSize, x + kLabelSize, bar.bottom};
            const UINT align = tick.rightAligned ? DT_RIGHT : DT_CENTER;
            DrawTextW(dc, tick.label.c_str(), -1, &place, align | DT_VCENTER | DT_SINGLELINE);
            break;
        }
        default:
            Line(dc, x, 0, x, kStrip);
            Line(dc, x, bar.bottom, x, bar.bottom + kStrip);
            break;
        }
    }
}

bool CScaleProgressCtrl::OnPaint()
{
    CPaintDc paint(Handle());
    CMemDC memory(paint.Get());
    DrawBar(memory.Get(), ClientRect());
    return true;
}
