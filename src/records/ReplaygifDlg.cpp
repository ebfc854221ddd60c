#include "ReplaygifDlg.h"

#include "BarDrawing.h"
#include "RecordingList.h"
#include "ScopedWin.h"

namespace {

constexpr int kPlayerTemplate = 495;
constexpr int kPictureId = 1234;
constexpr int kFaceNormal = 409, kFacePressed = 410, kFaceDisabled = 471;
constexpr int kLeftStrip = 8;
constexpr int kButtonGap = 50;

SIZE FaceSize()
{
    CScopedBitmap face(LoadProgramBitmap(kFaceNormal));
    return BitmapSize(face.Get());
}

}  // namespace

CReplaygifDlg::CReplaygifDlg(HWND view, const std::wstring& fileName, bool previousEnabled, bool nextEnabled)
    : CDialog(kPlayerTemplate, view), m_fileName(fileName), m_previousEnabled(previousEnabled),
      m_nextEnabled(nextEnabled)
{
}

CReplaygifDlg::~CReplaygifDlg() = default;

std::unique_ptr<CBmpBtn> CReplaygifDlg::MakeButton(int id, const wchar_t* caption, bool enabled) const
{
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(caption, 0, RECT{0, 0, 1, 1}, Handle(), id))
        return nullptr;
    button->SetBitmaps(kFaceNormal, kFacePressed, kFaceDisabled, 0);
    button->SetCenterText(true);
    button->Enable(enabled);
    return button;
}

CBmpBtn* CReplaygifDlg::Button(int id) const
{
    return id == kPrevious ? m_previous.get() : id == kNext ? m_next.get() : nullptr;
}

bool CReplaygifDlg::OnInitDialog()
{
    // The empty template is shared with the document host, which scrolls; the player does not.
    ShowScrollBar(Handle(), SB_BOTH, FALSE);
    const RECT client = ClientRect();
    if (m_picture.Create(client, Handle(), kPictureId) && m_picture.Load(RecordingFolder() + m_fileName))
        m_picture.Draw();
    m_previous = MakeButton(kPrevious, L"<", m_previousEnabled);
    m_next = MakeButton(kNext, L">", m_nextEnabled);
    PlaceButtons();
    return true;
}

void CReplaygifDlg::PlaceButtons()
{
    const RECT client = ClientRect();
    const SIZE face = FaceSize();
    const int centre = (client.right - face.cx) / 2;
    const int y = (client.bottom - face.cy) / 2;
    if (m_previous)
        m_previous->Move(centre - face.cx - kButtonGap, y, face.cx, face.cy);
    if (m_next)
        m_next->Move(centre + face.cx + kButtonGap, y, face.cx, face.cy);
}

void CReplaygifDlg::ShowButtons(bool shown)
{
    m_buttonsShown = shown;
    for (CBmpBtn* button : {m_previous.get(), m_next.get()})
        if (button) {
            button->Show(shown ? SW_SHOW : SW_HIDE);
            SetWindowPos(button->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
}

bool CReplaygifDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != CPictureEx::kLastFrameMessage)
        return false;
    ShowButtons(true);
    result = 0;
    return true;
}

bool CReplaygifDlg::OnLButtonDown(UINT, POINT point)
{
    if (point.x < kLeftStrip)
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
    return true;
}
