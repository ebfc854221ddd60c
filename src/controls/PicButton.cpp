#include "PicButton.h"

#include "BmpBtn.h"
#include "PicButtonLayout.h"
#include "SharedFonts.h"

namespace {

constexpr int kStripSlices = 4;
constexpr int kBlackKeyStripHeight = 20;
constexpr COLORREF kDisabledText = RGB(192, 192, 192);
constexpr COLORREF kMarkerColour = RGB(220, 36, 34);
constexpr int kMarkerWidth = 4;

// The button clicked last, shared by every picture button, and the request to mark the next one drawn.
CPicButton* g_lastClicked = nullptr;
bool g_markNext = false;

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info = {};
    if (bitmap)
        GetObjectW(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// Copies a part of `picture` onto `dc`, leaving out the pixels of the key colour.
void CopyTransparent(HDC dc, int x, int y, int width, int height, HBITMAP picture, int sourceX, COLORREF key)
{
    CMemoryDc source(dc);
    CSelectObject chosen(source.Get(), picture);
    CMemoryDc work(dc);
    CScopedBitmap workBits(CreateCompatibleBitmap(dc, width, height));
    CSelectObject workChosen(work.Get(), workBits.Get());
    BitBlt(work.Get(), 0, 0, width, height, source.Get(), sourceX, 0, SRCCOPY);

    CMemoryDc mask(dc);
    CScopedBitmap maskBits(CreateBitmap(width, height, 1, 1, nullptr));
    CSelectObject maskChosen(mask.Get(), maskBits.Get());
    SetBkColor(work.Get(), key);
    BitBlt(mask.Get(), 0, 0, width, height, work.Get(), 0, 0, SRCCOPY);  // key colour -> 1
    // The key pixels of the picture become black, so OR leaves the background there: the mask's
    // set bits arrive as the background colour (black), the others as the text colour (white).
    SetBkColor(work.Get(), RGB(0, 0, 0));
    SetTextColor(work.Get(), RGB(255, 255, 255));
    BitBlt(work.Get(), 0, 0, width, height, mask.Get(), 0, 0, SRCAND);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, width, height, mask.Get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, width, height, work.Get(), 0, 0, SRCPAINT);
}

COLORREF TopLeftColour(HDC dc, HBITMAP picture)
{
    CMemoryDc memory(dc);
    CSelectObject chosen(memory.Get(), picture);
    return GetPixel(memory.Get(), 0, 0);
}

}  // namespace

CPicButton::~CPicButton()
{
    if (g_lastClicked == this)
        g_lastClicked = nullptr;
}

bool CPicButton::SubclassButton(HWND button)
{
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    m_checkBox = (style & 2) != 0;  // the check-box styles have this bit
    if (!Subclass(button))
        return false;
    SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    return true;
}

void CPicButton::SetBitmap(int resourceId)
{
    m_strip.Reset(resourceId ? LoadProgramBitmap(resourceId) : nullptr);
}

bool CPicButton::LoadIconFiles(const std::wstring& icon, const std::wstring& disabledIcon)
{
    m_icon.Reset(static_cast<HBITMAP>(LoadImageW(nullptr, icon.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    m_disabledIcon.Reset(disabledIcon.empty() ? nullptr
                                              : static_cast<HBITMAP>(LoadImageW(nullptr, disabledIcon.c_str(),
                                                                                IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    return m_icon.Get() != nullptr;
}

void CPicButton::FreeBitmaps()
{
    m_icon.Reset();
    m_disabledIcon.Reset();
    m_strip.Reset();
}

void CPicButton::MarkNextDrawn()
{
    g_markNext = true;
}

bool CPicButton::IsMarked() const
{
    return m_marked && g_lastClicked == this;
}

bool CPicButton::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    DrawButton(item.hDC, item.rcItem, item.itemState);
    return true;
}

void CPicButton::DrawButton(HDC dc, const RECT& item, UINT itemState)
{
    const bool disabled = (itemState & ODS_DISABLED) != 0;
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    const bool focused = (itemState & ODS_FOCUS) != 0;
    const std::wstring caption = GetText();

    const RECT back = {item.left - 3, item.top - 3, item.right + 3, item.bottom};
    CScopedBrush fill(CreateSolidBrush(m_backColour));
    FillRect(dc, &back, fill.Get());

    const HBITMAP icon = disabled && m_disabledIcon ? m_disabledIcon.Get() : m_icon.Get();
    const SIZE iconSize = SizeOf(icon);
    const SIZE stripSize = SizeOf(m_strip.Get());
    PIC_BUTTON_PARTS parts;
    parts.hasIcon = icon != nullptr;
    parts.icon = {iconSize.cx, iconSize.cy};
    parts.hasStrip = m_strip.Get() != nullptr;
    parts.slice = {stripSize.cx / kStripSlices, stripSize.cy};
    parts.hasCaption = !caption.empty();
    parts.picturesAbove = m_picturesAbove;
    parts.stripRight = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    parts.pressed = pressed;
    const PIC_BUTTON_LAYOUT layout = LayOutPicButton({item.left, item.top, item.right, item.bottom}, parts);

    if (icon)
        CopyTransparent(dc, layout.icon.x, layout.icon.y, iconSize.cx, iconSize.cy, icon, 0, TopLeftColour(dc, icon));
    if (m_strip) {
        const int slice = PicButtonSlice(m_checkBox, m_checked, disabled, pressed, focused);
        const COLORREF key = stripSize.cy == kBlackKeyStripHeight ? RGB(0, 0, 0) : TopLeftColour(dc, m_strip.Get());
        CopyTransparent(dc, layout.slice.x, layout.slice.y, parts.slice.width, parts.slice.height, m_strip.Get(),
                        slice * parts.slice.width, key);
    }
    if (caption.empty())
        return;
    RECT text = {layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
    COLORREF colour = m_textColour;
    if (disabled)
        colour = kDisabledText;
    else if (!m_checkBox && (focused || pressed))
        colour = m_hotTextColour;
    ::SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    const HFONT font = BoldFont() ? BoldFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    {
        CSelectObject chosen(dc, font);
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, m_captionFormat | DT_VCENTER | DT_SINGLELINE);
    }
    SetBkMode(dc, OPAQUE);

    if (g_markNext) {
        g_markNext = false;
        g_lastClicked = this;
        m_marked = true;
    }
    if (IsMarked()) {
        CScopedPen pen(CreatePen(PS_SOLID, kMarkerWidth, kMarkerColour));
        CSelectObject penChosen(dc, pen.Get());
        CSelectObject brushChosen(dc, GetStockObject(HOLLOW_BRUSH));
        Rectangle(dc, text.left, text.top, text.right, text.bottom);
    }
}

bool CPicButton::OnReflectedCommand(int code)
{
    if (code != BN_CLICKED)
        return false;
    CPicButton* previous = g_lastClicked;
    g_lastClicked = this;
    m_marked = true;
    m_checked = !m_checked;
    if (previous && previous != this && previous->IsWindow())
        previous->Invalidate(true);  // its frame moves here
    Invalidate(true);
    return false;  // the parent still gets the click
}

bool CPicButton::OnMouseMove(UINT keys, POINT point)
{
    DefaultProc(WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    if ((keys & MK_LBUTTON) && !m_hover)
        return true;
    if (GetCapture() != Handle() && GetActiveWindow() && (GetWindow(Handle(), GW_OWNER) || GetParent(Handle()))) {
        m_hover = true;
        SetFocus(Handle());
        SetCapture(Handle());
        Invalidate(true);
        return true;
    }
    const RECT client = ClientRect();
    if (!PtInRect(&client, point)) {
        if (m_hover) {
            m_hover = false;
            Invalidate(true);
        }
        if (!(keys & MK_LBUTTON))
            ReleaseCapture();
    }
    return true;
}

void CPicButton::EndHover()
{
    m_hover = false;
    Invalidate(true);
}

bool CPicButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case BM_SETCHECK:
        m_checked = wParam == BST_CHECKED || wParam == BST_INDETERMINATE;
        Invalidate(true);
        result = 0;
        return true;
    case BM_GETCHECK:
        result = m_checked ? BST_CHECKED : BST_UNCHECKED;
        return true;
    case WM_CAPTURECHANGED:
        if (m_hover) {
            ReleaseCapture();
            EndHover();
        }
        result = DefaultProc(message, wParam, lParam);
        return true;
    case WM_KILLFOCUS:
        result = DefaultProc(message, wParam, lParam);
        m_focusLost = true;
        if (m_hover)
            EndHover();
        return true;
    default:
        return false;
    }
}
