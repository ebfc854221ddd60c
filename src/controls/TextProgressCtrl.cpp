#include "TextProgressCtrl.h"

#include <commctrl.h>

#include <algorithm>

#include "ProgressLayout.h"
#include "ScopedWin.h"
#include "SharedFonts.h"

namespace {

RECT ToRect(const PROGRESS_BOX& box)
{
    return {box.left, box.top, box.right, box.bottom};
}

void Fill(HDC dc, const RECT& rect, COLORREF colour)
{
    CScopedBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.Get());
}

// The percentage is drawn twice, each time clipped to one part, so it stays whole across the edge
// of the fill.
void DrawTextClipped(HDC dc, const std::wstring& text, RECT inner, const RECT& clip)
{
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RestoreDC(dc, saved);
}

}  // namespace

void CTextProgressCtrl::DrawBar(HDC dc, const RECT& client, int position)
{
    const TEXT_PROGRESS_LAYOUT layout =
        LayoutTextProgress({client.left, client.top, client.right, client.bottom}, position);
    CSelectObject font(dc, NormalFont());
    Fill(dc, client, RGB(160, 160, 160));
    Fill(dc, ToRect(layout.filled), RGB(255, 121, 0));
    Fill(dc, ToRect(layout.rest), RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextClipped(dc, layout.text, ToRect(layout.inner), ToRect(layout.filled));
    DrawTextClipped(dc, layout.text, ToRect(layout.inner), ToRect(layout.rest));
    SetBkMode(dc, OPAQUE);
}

bool CTextProgressCtrl::OnPaint()
{
    CPaintDc paint(Handle());
    DrawBar(paint.Get(), ClientRect(), GetPos());
    return true;
}

bool CTextProgressCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case PBM_SETPOS:
        result = MoveTo(static_cast<int>(wParam));
        return true;
    case PBM_DELTAPOS:
        result = MoveTo(Position() + static_cast<int>(wParam));
        return true;
    case PBM_GETPOS:
        result = Position();
        return true;
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        result = DefaultProc(message, wParam, lParam);
        if (m_positionKnown)
            MoveTo(m_position);
        return true;
    default:
        return false;
    }
}

int CTextProgressCtrl::MoveTo(int position, bool repaint)
{
    const int before = Position();
    PBRANGE range = {};
    DefaultProc(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    m_position = std::clamp(position, std::min(range.iLow, range.iHigh), std::max(range.iLow, range.iHigh));
    m_positionKnown = true;
    if (m_position != before && repaint)
        Invalidate(false);
    return before;
}

int CTextProgressCtrl::Position()
{
    return m_positionKnown ? m_position : static_cast<int>(DefaultProc(PBM_GETPOS, 0, 0));
}
