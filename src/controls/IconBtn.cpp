#include "IconBtn.h"

#include <algorithm>

#include "BmpBtn.h"
#include "HoverTracking.h"
#include "SharedFonts.h"
#include "resource.h"

namespace {

constexpr COLORREF kCaptionColour = RGB(100, 100, 100);
constexpr COLORREF kGridLineColour = RGB(157, 157, 161);
constexpr int kCaptionBottomMargin = 20;
constexpr int kFramelessCaptionRoom = 40;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    if (!bitmap)
        return;
    const SIZE size = BitmapSize(bitmap);
    CMemoryDc memory(dc);
    CSelectObject selected(memory.Get(), bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
}

bool ModifierHeld()
{
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

bool CIconBtn::Create(DWORD style, const RECT& rect, HWND parent, int id)
{
    WINDOW_CREATE_ARGS args;
    args.className = L"BUTTON";
    args.style = style | WS_CHILD | BS_OWNERDRAW;
    args.rect = rect;
    args.parent = parent;
    args.controlId = id;
    return CWindow::Create(args);
}

void CIconBtn::SetItem(int index, const std::wstring& caption, HBITMAP icon)
{
    const size_t at = static_cast<size_t>(std::clamp(index, 0, GetItemCount()));
    m_captions.insert(m_captions.begin() + static_cast<std::ptrdiff_t>(at), caption);
    m_icons.insert(m_icons.begin() + static_cast<std::ptrdiff_t>(std::min(at, m_icons.size())), icon);
}

void CIconBtn::RemoveAllItems()
{
    m_captions.clear();
    m_icons.clear();
    m_grid.Reset();
}

void CIconBtn::LoadFrameBitmaps()
{
    m_itemFrame.Reset(LoadProgramBitmap(IDB_ICONGRID_FRAME));
    m_selectionFrame.Reset(LoadProgramBitmap(IDB_ICONGRID_SELECTION));
    m_mark.Reset(LoadProgramBitmap(IDB_ICONGRID_MARK));
}

GRID_PITCH CIconBtn::SetCellSize(int cx, int cy)
{
    const RECT client = ClientRect();
    return m_grid.SetCellSize(client.right - client.left, client.bottom - client.top, cx, cy, GetItemCount());
}

int CIconBtn::OnNavigateKey(unsigned key)
{
    if (!m_grid.NavigateKey(key, GetItemCount()))
        return 0;
    if (IsWindow())
        Invalidate(false);
    return 1;
}

bool CIconBtn::HitTest(POINT point)
{
    const RECT client = ClientRect();
    return m_grid.HitTest(point.x, point.y, client.right - client.left, client.bottom - client.top, GetItemCount())
        .has_value();
}

void CIconBtn::NotifyParent() const
{
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(ControlId(), 0), 0);
}

bool CIconBtn::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    DrawGrid(item.hDC, item.rcItem, item.itemState);
    return true;
}

void CIconBtn::DrawGrid(HDC dc, const RECT& item, UINT itemState)
{
    const int width = item.right - item.left;
    const int height = item.bottom - item.top;
    if (width <= 0 || height <= 0)
        return;
    if (!m_pageImage) {
        m_grid.SetCellSize(width, height, m_grid.CellWidth(), m_grid.CellHeight(), GetItemCount());
        m_pageImage.Reset(CreateCompatibleBitmap(dc, width, height));
        if (!m_pageImage)
            return;
    }
    CMemoryDc page(dc);
    CSelectObject pageSelected(page.Get(), m_pageImage.Get());
    const RECT whole = {0, 0, width, height};
    FillRect(page.Get(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(page.Get(), TRANSPARENT);

    const bool focused = (itemState & ODS_FOCUS) != 0;
    const int end = std::min(GetItemCount(), m_grid.First() + m_grid.PageSize());
    for (int i = m_grid.First(); i < end; ++i)
        DrawItemCell(page.Get(), i, focused);

    SetBkMode(page.Get(), OPAQUE);
    CScopedPen pen(CreatePen(PS_SOLID, 2, kGridLineColour));
    CSelectObject penSelected(page.Get(), pen.Get());
    for (int row = 0; row < m_grid.Rows(); ++row) {
        const int y = row * m_grid.PitchY();
        MoveToEx(page.Get(), 0, y, nullptr);
        LineTo(page.Get(), width, y);
    }
    for (int column = 0; column < m_grid.Columns(); ++column) {
        const int x = column * m_grid.PitchX();
        MoveToEx(page.Get(), x, 0, nullptr);
        LineTo(page.Get(), x, height);
    }
    MoveToEx(page.Get(), width - 1, 0, nullptr);
    LineTo(page.Get(), width - 1, height);

    m_grid.ClampSelection();
    BitBlt(dc, item.left, item.top, width, height, page.Get(), 0, 0, SRCCOPY);
}

void CIconBtn::DrawItemCell(HDC dc, int index, bool focused)
{
    const GRID_CELL cell = m_grid.CellRect(index);
    const int pitchX = m_grid.PitchX();
    const int pitchY = m_grid.PitchY();
    SIZE frame = BitmapSize(m_itemFrame.Get());
    if (!m_itemFrame)
        frame = SIZE{pitchX, pitchY - kFramelessCaptionRoom};
    const std::wstring& caption = m_captions[static_cast<size_t>(index)];
    SIZE text = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);

    const int x = cell.left + std::max(0, static_cast<int>((pitchX - frame.cx) / 2));
    const int y = cell.top + std::max(0, static_cast<int>((pitchY - text.cy - frame.cy) / 3));
    DrawBitmap(dc, m_itemFrame.Get(), x, y);

    HBITMAP icon = static_cast<size_t>(index) < m_icons.size() ? m_icons[static_cast<size_t>(index)] : nullptr;
    const SIZE iconSize = BitmapSize(icon);
    const int iconX = x + std::max(0, static_cast<int>((frame.cx - iconSize.cx) / 2));
    const int iconY = y + std::max(0, static_cast<int>((frame.cy - iconSize.cy) / 2));
    DrawBitmap(dc, icon, iconX, iconY);

    SetTextColor(dc, kCaptionColour);
    {
        CSelectObject font(dc, BoldFont() ? BoldFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        RECT place = {cell.left, cell.bottom - text.cy - kCaptionBottomMargin, cell.right, cell.bottom};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    if (index == m_grid.SelectedItem() && focused) {
        m_lastDrawnSelected = index;
        DrawBitmap(dc, m_selectionFrame.Get(), x - 2, y - 5);
        DrawBitmap(dc, icon, iconX, iconY);
    }
}

bool CIconBtn::OnReflectedCommand(int code)
{
    if (code == BN_CLICKED) {
        POINT point = {};
        if (m_releasePoint) {
            point = *m_releasePoint;
        } else {
            GetCursorPos(&point);
            ScreenToClient(Handle(), &point);
        }
        m_releasePoint.reset();
        if (HitTest(point)) {
            Invalidate(false);
            NotifyParent();
        }
    }
    return true;  // the button's own notifications never reach the parent as a choice
}

bool CIconBtn::OnSize(UINT type, int width, int height)
{
    DefaultProc(WM_SIZE, type, MAKELPARAM(width, height));
    if (m_pageImage) {
        m_pageImage.Reset();
        Invalidate(false);
        m_grid.Reset();
    }
    return true;
}

bool CIconBtn::OnMouseMove(UINT keys, POINT point)
{
    HitTest(point);  // the selection follows the mouse
    Invalidate(true);
    DefaultProc(WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    TrackHover(*this, m_hover, keys, point);
    return true;
}

bool CIconBtn::OnLButtonDown(UINT, POINT point)
{
    HitTest(point);
    m_releasePoint.reset();
    return false;  // the button presses itself
}

bool CIconBtn::OnLButtonUp(UINT, POINT point)
{
    m_releasePoint = point;
    return false;  // the button decides whether this was a click
}

bool CIconBtn::OnKeyDown(WPARAM key)
{
    if (ModifierHeld())
        return false;
    if (key == VK_RETURN || key == VK_SPACE) {
        if (GetItemCount() == 0)
            return false;  // nothing to choose: the key is not ours
        NotifyParent();
        return true;
    }
    return OnNavigateKey(static_cast<unsigned>(key)) != 0;
}

bool CIconBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_KEYDOWN:
        if (!OnKeyDown(wParam))
            return false;
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_BUTTON;
        return true;
    case WM_CAPTURECHANGED:
        if (m_hover && GetCapture() == Handle()) {
            ReleaseCapture();
            Invalidate(true);
        }
        result = DefaultProc(message, wParam, lParam);
        return true;
    case WM_KILLFOCUS:
        result = DefaultProc(message, wParam, lParam);
        m_hover = false;
        m_lastDrawnSelected = -1;
        Invalidate(true);
        return true;
    default:
        return false;
    }
}
