#include "VersionBtn.h"

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "SharedFonts.h"
#include "resource.h"

namespace {

constexpr int kTextGap = 10;
constexpr int kTextRight = 305;
constexpr int kLineHeight = 30;

void DrawLine(HDC dc, const std::wstring& text, RECT rect)
{
    if (!text.empty())
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE);
}

}  // namespace

bool CVersionBtn::Create(DWORD style, const RECT& rect, HWND parent, int id)
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

void CVersionBtn::SetBitmaps(int picture, int second, int third)
{
    m_picture.Reset(LoadProgramBitmap(picture));
    m_second.Reset(LoadProgramBitmap(second));
    m_third.Reset(LoadProgramBitmap(third));
}

void CVersionBtn::SetChecked(bool on)
{
    if (m_latched == on)
        return;
    m_latched = on;
    if (IsWindow())
        InvalidateRect(Handle(), nullptr, FALSE);
}

bool CVersionBtn::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    DrawButton(item.hDC, item.rcItem, item.itemState);
    return true;
}

void CVersionBtn::DrawButton(HDC dc, const RECT& item, UINT itemState)
{
    if (!m_picture)
        m_picture.Reset(LoadProgramBitmap(IDB_BUTTON_DEFAULT));
    const SIZE picture = BitmapSize(m_picture.Get());
    const int height = item.bottom - item.top;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
    {
        CMemoryDc memory(dc);
        CSelectObject selected(memory.Get(), m_picture.Get());
        BitBlt(dc, item.left, item.top + (height - picture.cy) / 2, picture.cx, picture.cy, memory.Get(), 0, 0,
               SRCCOPY);
    }
    if (m_showText)
        DrawTexts(dc, item, picture.cx, (itemState & ODS_DISABLED) != 0);
    RestoreDC(dc, saved);
}

// The two lines stand in a fixed band right of the picture, vertically centred on the button.
void CVersionBtn::DrawTexts(HDC dc, const RECT& item, int pictureWidth, bool disabled)
{
    const HFONT font = BoldFont() ? BoldFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    CSelectObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? RGB(0x80, 0x80, 0x80) : RGB(0, 0, 0));
    const int top = (item.bottom - item.top - 2 * kLineHeight) / 2;
    const int left = pictureWidth + kTextGap;
    DrawLine(dc, m_caption, RECT{left, top, kTextRight, top + kLineHeight});
    DrawLine(dc, m_subText, RECT{left, top + kLineHeight, kTextRight, top + 2 * kLineHeight});
}

bool CVersionBtn::OnSetCursor(HWND, UINT, UINT)
{
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

bool CVersionBtn::OnSize(UINT type, int width, int height)
{
    DefaultProc(WM_SIZE, type, MAKELPARAM(width, height));
    if (IsWindow())
        SetWholeWindowRegion(Handle());
    return true;
}
