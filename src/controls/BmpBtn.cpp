#include "BmpBtn.h"

#include "BmpFileFormat.h"

#include "HoverTracking.h"
#include "SharedFonts.h"
#include "resource.h"

HBITMAP LoadProgramBitmap(int id)
{
    if (id == 0)
        return nullptr;
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

SIZE ProgramBitmapSize(int id)
{
    const wchar_t* const kBitmapResource = MAKEINTRESOURCEW(2);  // RT_BITMAP
    // Read from the resource's header: building a bitmap only to measure it copies the whole picture.
    const HMODULE program = GetModuleHandleW(nullptr);
    if (HRSRC found = id ? FindResourceW(program, MAKEINTRESOURCEW(id), kBitmapResource) : nullptr) {
        const HGLOBAL loaded = LoadResource(program, found);
        const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
        if (bytes) {
            if (const auto size = DibPictureSize({bytes, SizeofResource(program, found)}))
                return SIZE{size->width, size->height};
        }
    }
    CScopedBitmap bitmap(LoadProgramBitmap(id));
    return bitmap ? BitmapSize(bitmap.Get()) : SIZE{0, 0};
}

// The whole client rectangle, rebuilt on every resize.
void SetWholeWindowRegion(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    SetWindowRgn(window, CreateRectRgn(client.left, client.top, client.right, client.bottom), TRUE);
}

bool CBmpBtn::Create(const std::wstring& caption, DWORD style, const RECT& rect, HWND parent, int id)
{
    WINDOW_CREATE_ARGS args;
    args.className = L"BUTTON";
    args.title = caption;
    args.style = style | WS_CHILD | BS_OWNERDRAW;
    args.rect = rect;
    args.parent = parent;
    args.controlId = id;
    if (!CWindow::Create(args))
        return false;
    SetWholeWindowRegion(Handle());
    return true;
}

void CBmpBtn::SetBitmaps(int normal, int pressed, int disabled, int alternate)
{
    m_normal.Reset(LoadProgramBitmap(normal));
    m_pressed.Reset(LoadProgramBitmap(pressed));
    m_disabled.Reset(LoadProgramBitmap(disabled));
    m_alternate.Reset(LoadProgramBitmap(alternate));
}

void CBmpBtn::SetBitmap(int normal)
{
    m_normal.Reset(LoadProgramBitmap(normal));
}

void CBmpBtn::SetChecked(bool on)
{
    if (m_latched == on)
        return;
    m_latched = on;
    if (IsWindow())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void CBmpBtn::SetTextPlacement(bool bottomWrapped, bool bottomCentred, bool left)
{
    m_placement.bottomWrapped = bottomWrapped;
    m_placement.bottomCentred = bottomCentred;
    m_placement.left = left;
}

void CBmpBtn::CreateDefaultFont()
{
    m_ownFont.Reset(CreateFontW(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_RASTER_PRECIS,
                                CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 0, L"\u5B8B\u4F53"));
}

void CBmpBtn::SetCustomTextColour(bool use, COLORREF colour)
{
    m_useCustomColour = use;
    m_customColour = colour;
}

bool CBmpBtn::HasImage(BUTTON_IMAGE image) const
{
    return ImageHandle(image) != nullptr;
}

HBITMAP CBmpBtn::ImageHandle(BUTTON_IMAGE image) const
{
    switch (image) {
    case BUTTON_IMAGE::Pressed:
        return m_pressed.Get();
    case BUTTON_IMAGE::Disabled:
        return m_disabled.Get();
    default:
        return m_normal.Get();
    }
}

HFONT CBmpBtn::CaptionFont() const
{
    if (m_ownFont)
        return m_ownFont.Get();
    const HFONT shared = m_fontChoice ? BoldFont() : NormalFont();
    // The shared fonts do not exist before start-up has made them.
    return shared ? shared : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool CBmpBtn::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    DrawButton(item.hDC, item.rcItem, item.itemState);
    return true;
}

void CBmpBtn::DrawButton(HDC dc, const RECT& item, UINT itemState)
{
    if (!m_normal)
        m_normal.Reset(LoadProgramBitmap(IDB_BUTTON_DEFAULT));
    const bool disabled = (itemState & ODS_DISABLED) != 0;
    const BUTTON_IMAGE choice =
        ChooseButtonImage(disabled, (itemState & ODS_SELECTED) != 0, m_latched, HasImage(BUTTON_IMAGE::Pressed),
                          HasImage(BUTTON_IMAGE::Disabled));

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, item.left, item.top, item.right, item.bottom);
    if (HBITMAP image = ImageHandle(choice)) {
        const SIZE source = BitmapSize(m_normal.Get());
        CMemoryDc memory(dc);
        CSelectObject selected(memory.Get(), image);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, item.left, item.top, item.right - item.left, item.bottom - item.top, memory.Get(), 0, 0,
                   source.cx, source.cy, SRCCOPY);
    }
    DrawCaption(dc, item, disabled);
    RestoreDC(dc, saved);
}

void CBmpBtn::DrawCaption(HDC dc, const RECT& item, bool disabled)
{
    const std::wstring caption = IsWindow() ? GetText() : std::wstring();
    CSelectObject font(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CaptionColour(disabled, m_useCustomColour, m_customColour));
    const CharacterMeasure measure = [dc](wchar_t character) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, &character, 1, &size);
        return size;
    };
    for (const CAPTION_LAYOUT& layout : LayoutCaption(m_placement, item, caption, measure)) {
        RECT rect = layout.rect;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, layout.format);
    }
    SetBkMode(dc, OPAQUE);
}

bool CBmpBtn::OnMouseMove(UINT keys, POINT point)
{
    DefaultProc(WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    TrackHover(*this, m_hover, keys, point);
    return true;
}

bool CBmpBtn::OnSetCursor(HWND, UINT, UINT)
{
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

bool CBmpBtn::OnSize(UINT type, int width, int height)
{
    DefaultProc(WM_SIZE, type, MAKELPARAM(width, height));
    if (IsWindow())
        SetWholeWindowRegion(Handle());
    return true;
}

bool CBmpBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (!IsHoverEndMessage(message))
        return false;
    EndHover(*this, m_hover, message);
    result = DefaultProc(message, wParam, lParam);
    return true;
}
