#include "BmpButton.h"

#include "BmpBtn.h"
#include "HoverTracking.h"
#include "resource.h"

namespace {

int g_selectedNavigationId = 1066;

bool IsLargeFrameId(int id)
{
    return (id >= 1066 && id <= 1070) || id == 1201 || id == 3011;
}

bool IsNavigationId(int id)
{
    return (id >= 1066 && id <= 1070) || id == 1201;
}

}  // namespace

bool CBmpButton::Create(DWORD style, const RECT& rect, HWND parent, int id)
{
    WINDOW_CREATE_ARGS args;
    args.className = L"BUTTON";
    args.style = style | WS_CHILD | BS_OWNERDRAW;
    args.rect = rect;
    args.parent = parent;
    args.controlId = id;
    if (!CWindow::Create(args))
        return false;
    SetWholeWindowRegion(Handle());
    return true;
}

void CBmpButton::SetBitmap(int stripId)
{
    m_strip.Reset(LoadProgramBitmap(stripId));
}

int CBmpButton::SelectedNavigationId() { return g_selectedNavigationId; }
void CBmpButton::SetSelectedNavigationId(int id) { g_selectedNavigationId = id; }

SIZE CBmpButton::FrameSize(int controlId)
{
    return IsLargeFrameId(controlId) ? SIZE{131, 60} : SIZE{98, 26};
}

int CBmpButton::FrameIndex(int controlId, UINT itemState)
{
    if (IsNavigationId(controlId) && controlId == g_selectedNavigationId)
        return 2;
    if (itemState & ODS_DISABLED)
        return 3;
    if (itemState & ODS_SELECTED)
        return 2;
    if (itemState & ODS_FOCUS)
        return 1;
    return 0;
}

bool CBmpButton::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    if (!m_strip)
        m_strip.Reset(LoadProgramBitmap(IDB_BUTTON_DEFAULT));
    const SIZE frame = FrameSize(static_cast<int>(item.CtlID));
    const int index = FrameIndex(static_cast<int>(item.CtlID), item.itemState);
    CMemoryDc memory(item.hDC);
    CSelectObject selected(memory.Get(), m_strip.Get());
    SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
               item.rcItem.bottom - item.rcItem.top, memory.Get(), index * frame.cx, 0, frame.cx, frame.cy, SRCCOPY);
    return true;
}

bool CBmpButton::OnMouseMove(UINT keys, POINT point)
{
    DefaultProc(WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    TrackHover(*this, m_hover, keys, point);
    return true;
}

bool CBmpButton::OnSize(UINT type, int width, int height)
{
    DefaultProc(WM_SIZE, type, MAKELPARAM(width, height));
    if (IsWindow())
        SetWholeWindowRegion(Handle());
    return true;
}

bool CBmpButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (!IsHoverEndMessage(message))
        return false;
    EndHover(*this, m_hover, message);
    result = DefaultProc(message, wParam, lParam);
    return true;
}

bool CBmpButton::OnSetCursor(HWND, UINT, UINT)
{
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}
