#include "ReplaygifDlg.h"

#include <algorithm>

#include "BarDrawing.h"
#include "RecordingList.h"
#include "ScopedWin.h"
#include "SharedFonts.h"
#include "StringResources.h"

namespace {

constexpr int kPlayerTemplate = 495;
constexpr int kPictureId = 1234;
constexpr uint32_t kHintText = 0x20000174;
constexpr int kCentreFace = 496;
constexpr int kNextFace = 497, kNextPressedFace = 498;
constexpr int kPreviousFace = 499, kPreviousPressedFace = 500;
constexpr int kButtonGap = 50;
constexpr int kHintOffset = 20;
constexpr int kHintPadX = 15, kHintPadY = 10;
constexpr int kVerticalPageInset = 15, kHorizontalPageInset = 17;
constexpr int kScrollLine = 1;
constexpr int kLayoutRounds = 3;

// The hint's size: the sum of its characters' widths and the font's height, with a margin.
SIZE HintSize(HWND hint, const std::wstring& text)
{
    CClientDc dc(hint);
    CSelectObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(hint, WM_GETFONT, 0, 0)));
    int width = 0;
    for (const wchar_t character : text) {
        INT characterWidth = 0;
        if (GetCharWidth32W(dc.Get(), character, character, &characterWidth))
            width += characterWidth;
    }
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);
    return {width + kHintPadX, metrics.tmHeight + kHintPadY};
}

// The last position an axis can reach: the picture's far edge at the far edge of what is visible.
// The page the layout gives is a little larger than what the other axis's bar leaves visible, so
// the range grows by that difference; without it the last rows or columns could not be reached.
int RangeMaximum(int pictureExtent, int page, int visibleExtent)
{
    return std::max(pictureExtent - 1 + std::max(page - visibleExtent, 0), 0);
}

}  // namespace

CReplaygifDlg::CReplaygifDlg(HWND view, const std::wstring& fileName, bool previousEnabled, bool nextEnabled,
                             SIZE size)
    : CDialog(kPlayerTemplate, view), m_fileName(fileName), m_previousEnabled(previousEnabled),
      m_nextEnabled(nextEnabled), m_size(size)
{
}

CReplaygifDlg::~CReplaygifDlg() = default;

CBmpBtn* CReplaygifDlg::Button(int id) const
{
    switch (id) {
    case kPrevious:
        return m_previous.get();
    case kNext:
        return m_next.get();
    case kCentre:
        return m_centre.get();
    default:
        return nullptr;
    }
}

bool CReplaygifDlg::OnInitDialog()
{
    SetWindowPos(Handle(), nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MakeHint();
    if (m_picture.Create(ClientRect(), Handle(), kPictureId) && m_picture.Load(RecordingFolder() + m_fileName))
        m_picture.Draw();
    m_centre = MakeButton(kCentre, kCentreFace, kCentreFace, false);
    m_next = MakeButton(kNext, kNextFace, kNextPressedFace, m_nextEnabled);
    m_previous = MakeButton(kPrevious, kPreviousFace, kPreviousPressedFace, m_previousEnabled);
    SetUpScrollBars();
    PlaceButtons();
    ShowWindow(m_hint, SW_HIDE);
    return true;
}

void CReplaygifDlg::MakeHint()
{
    const std::wstring text = ResGetString(kHintText);
    m_hint = CreateWindowW(L"STATIC", text.c_str(), WS_CHILD | SS_CENTER | SS_CENTERIMAGE, 0, 0, 1, 1, Handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHintId)), nullptr, nullptr);
    if (!m_hint)
        return;
    if (NormalFont())
        SendMessageW(m_hint, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
    const SIZE size = HintSize(m_hint, text);
    SetWindowPos(m_hint, HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOACTIVATE);
}

// Created hidden; they show when the animation reaches its last frame.
std::unique_ptr<CBmpBtn> CReplaygifDlg::MakeButton(int id, int normal, int pressed, bool enabled) const
{
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", 0, RECT{0, 0, 1, 1}, Handle(), id))
        return nullptr;
    button->SetBitmaps(normal, pressed, 0, 0);
    button->Enable(enabled);
    button->Show(SW_HIDE);
    return button;
}

// Two rounds are enough in practice: a bar that appears narrows the other axis's visible extent
// once; the third only confirms it.
void CReplaygifDlg::SetUpScrollBars()
{
    const SIZE picture = m_picture.GetSize();
    const int verticalPage = std::max(static_cast<int>(m_size.cy) - kVerticalPageInset, 1);
    const int horizontalPage = std::max(static_cast<int>(m_size.cx) - kHorizontalPageInset, 1);
    SIZE visible = {horizontalPage, verticalPage};  // first round: the page itself
    for (int round = 0; round < kLayoutRounds; ++round) {
        SCROLLINFO vertical = {sizeof(vertical), SIF_RANGE | SIF_PAGE, 0,
                               RangeMaximum(picture.cy, verticalPage, visible.cy), static_cast<UINT>(verticalPage),
                               0, 0};
        SetScrollInfo(Handle(), SB_VERT, &vertical, TRUE);
        SCROLLINFO horizontal = {sizeof(horizontal), SIF_RANGE | SIF_PAGE, 0,
                                 RangeMaximum(picture.cx, horizontalPage, visible.cx),
                                 static_cast<UINT>(horizontalPage), 0, 0};
        SetScrollInfo(Handle(), SB_HORZ, &horizontal, TRUE);
        const RECT client = ClientRect();
        const SIZE now = {client.right, client.bottom};
        if (now.cx == visible.cx && now.cy == visible.cy)
            break;
        visible = now;
    }
}

void CReplaygifDlg::OnScroll(int bar, int request)
{
    SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(Handle(), bar, &info))
        return;
    const int page = static_cast<int>(info.nPage);
    const int last = std::max(info.nMax - std::max(page, 1) + 1, info.nMin);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= kScrollLine; break;
    case SB_LINEDOWN: position += kScrollLine; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = last; break;
    default: return;
    }
    position = std::clamp(position, info.nMin, last);
    const int moved = position - info.nPos;
    if (moved == 0)
        return;
    SetScrollPos(Handle(), bar, position, TRUE);
    ScrollWindow(Handle(), bar == SB_HORZ ? -moved : 0, bar == SB_VERT ? -moved : 0, nullptr, nullptr);
}

void CReplaygifDlg::PlaceButtons()
{
    const RECT client = ClientRect();
    const SIZE face = ProgramBitmapSize(kCentreFace);
    const int centre = (client.right - face.cx) / 2;
    const int y = (client.bottom - face.cy) / 2;
    const struct {
        CBmpBtn* button;
        int x;
    } places[] = {{m_centre.get(), centre},
                  {m_previous.get(), centre - face.cx - kButtonGap},
                  {m_next.get(), centre + face.cx + kButtonGap}};
    for (const auto& place : places) {
        if (!place.button)
            continue;
        RECT now = place.button->WindowRect();
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&now), 2);
        if (now.left == place.x && now.top == y && now.right - now.left == face.cx)
            continue;
        place.button->Move(place.x, y, face.cx, face.cy);
        // The faces are round and lie over the picture: the corners of their squares show it.
        // The window owns the region once it took it.
        HRGN round = CreateEllipticRgn(0, 0, face.cx + 1, face.cy + 1);
        if (round && !SetWindowRgn(place.button->Handle(), round, TRUE))
            DeleteObject(round);
    }
}

// The buttons lie over the picture, which would otherwise paint over them with its next frame.
void CReplaygifDlg::ShowButtons(bool shown)
{
    m_buttonsShown = shown;
    for (CBmpBtn* button : {m_centre.get(), m_next.get(), m_previous.get()})
        if (button) {
            SetWindowPos(button->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            button->Show(shown ? SW_SHOW : SW_HIDE);
        }
}

bool CReplaygifDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case CPictureEx::kLastFrameMessage:
        ShowButtons(true);
        break;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        break;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

bool CReplaygifDlg::OnMouseMove(UINT, POINT point)
{
    if (!m_hint)
        return false;
    if (!InLeftStrip(point)) {
        ShowWindow(m_hint, SW_HIDE);
        return true;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    SetWindowPos(m_hint, HWND_TOP, point.x + kHintOffset, point.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return true;
}

// Keeps the hand in the strip between moves, where the dialog's own arrow would replace it.
bool CReplaygifDlg::OnSetCursor(HWND window, UINT hitTest, UINT)
{
    POINT pointer = {};
    GetCursorPos(&pointer);
    ScreenToClient(Handle(), &pointer);
    if (window != Handle() || hitTest != HTCLIENT || !InLeftStrip(pointer))
        return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

bool CReplaygifDlg::OnLButtonDown(UINT, POINT point)
{
    if (InLeftStrip(point))
        PostMessageW(Parent(), kPlayerMessage, 1, 0);
    else
        ShowButtons(!m_buttonsShown);
    return true;
}

bool CReplaygifDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || (id != kPrevious && id != kNext))
        return false;
    Show(SW_HIDE);
    // Posted: the view destroys this player when it opens the next one.
    PostMessageW(Parent(), kPlayerMessage, id == kPrevious ? 2 : 3, 0);
    return true;
}

bool CReplaygifDlg::OnPaint()
{
    CPaintDc paint(Handle());
    RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PlaceButtons();
    return true;
}
