#include "SoftWareDlg.h"

#include <algorithm>

#include "MainFrame.h"
#include "ScopedWin.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr int kStoreView = 446;
constexpr int kEdge = 15;
constexpr int kInfoHeight = 110;
constexpr int kInfoMinimumWidth = 260;
constexpr int kPauseGap = 45;
constexpr int kStatusWidth = 140;
constexpr int kBarWidth = 120;
constexpr int kLineHeight = 25;
// The faces of the row's pictures: the select box's four looks and the pause and resume buttons.
constexpr int kSelectOff = 479, kSelectOn = 480, kSelectInactive = 482, kSelectLocked = 487;
constexpr int kRowPicture = 285;  // sizes the pause and resume buttons
constexpr int kPauseFace = 467, kPauseDown = 468, kResumeFace = 469, kResumeDown = 470;

int CentredTop(int height, int itemHeight)
{
    return (height - itemHeight) / 2;
}

}  // namespace

CSoftWareDlg::CSoftWareDlg(HWND parent) : CDialog(IDD_SOFTWARE_ROW, parent) {}

CSoftWareDlg::~CSoftWareDlg() = default;

void CSoftWareDlg::SetActionBitmaps(int normal, int pressed, int disabled)
{
    m_actionNormal = normal;
    m_actionPressed = pressed;
    m_actionDisabled = disabled;
}

bool CSoftWareDlg::CreateRow(const std::wstring& name, const std::wstring& text, int index)
{
    m_name = name;
    m_text = text;
    m_index = index;
    if (!CreateModeless())
        return false;
    SetUpControls();
    LayOut();
    return true;
}

bool CSoftWareDlg::OnInitDialog()
{
    m_select.Create(L"", WS_VISIBLE, RECT{}, Handle(), kSelectId);
    m_select.SetBitmaps(kSelectOff, kSelectOn, kSelectInactive, kSelectLocked);
    m_info.Create(WS_VISIBLE, RECT{}, Handle(), kInfoId);
    m_action.Create(L"", WS_VISIBLE, RECT{}, Handle(), kActionId);
    m_pause.Create(L"", 0, RECT{}, Handle(), kPauseId);
    m_pause.SetBitmaps(kPauseFace, kPauseDown, 0, 0);
    m_resume.Create(L"", 0, RECT{}, Handle(), kResumeId);
    m_resume.SetBitmaps(kResumeFace, kResumeDown, 0, 0);
    WINDOW_CREATE_ARGS label;
    label.className = L"STATIC";
    label.style = WS_CHILD | SS_RIGHT | SS_CENTERIMAGE | SS_NOPREFIX;
    label.parent = Handle();
    label.controlId = kStatusId;
    m_status.Create(label);
    m_status.SetFont(NormalFont(), false);
    WINDOW_CREATE_ARGS bar;
    bar.className = PROGRESS_CLASSW;
    bar.style = WS_CHILD;
    bar.parent = Handle();
    bar.controlId = kProgressId;
    m_progress.Create(bar);
    return true;
}

void CSoftWareDlg::LayOut()
{
    const RECT client = ClientRect();
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    const SIZE row = ProgramBitmapSize(kRowPicture);
    const SIZE select = ProgramBitmapSize(kSelectOff);
    const SIZE action = ProgramBitmapSize(m_actionNormal);
    m_select.Move(kEdge, CentredTop(h, select.cy), select.cx, select.cy);
    m_info.Move(kEdge + select.cx + kEdge, CentredTop(h, kInfoHeight), std::max(w / 2, kInfoMinimumWidth), kInfoHeight);
    const int actionLeft = w - kEdge - action.cx;
    m_action.Move(actionLeft, CentredTop(h, action.cy), action.cx, action.cy);
    m_pause.Move(actionLeft - kPauseGap, CentredTop(h, row.cy), row.cx, row.cy);
    m_resume.Move(actionLeft - kPauseGap, CentredTop(h, row.cy), row.cx, row.cy);
    m_status.Move(w - action.cx - 165, CentredTop(h, kLineHeight), kStatusWidth, kLineHeight);
    m_progress.Move(w - action.cx - 145, CentredTop(h, kLineHeight), kBarWidth, kLineHeight);
}

// What the row shows of its package when it is made; the layout follows every size.
void CSoftWareDlg::SetUpControls()
{
    m_info.SetShowText(true);
    m_info.SetText(m_name);
    m_info.SetSubText(m_text);
    CMainFrame* frame = CMainFrame::Instance();
    m_info.Enable(frame && frame->CurrentViewId() == kStoreView);
    m_action.SetBitmaps(m_actionNormal, m_actionPressed, m_actionDisabled, 0);
    if (m_pausable) {
        m_pause.Enable(false);
        m_resume.Enable(false);
        m_pause.SetChecked(!m_latched);
        m_pause.Show(SW_SHOW);
    }
    const std::wstring waiting = ResGetString(0x20000146);
    m_status.SetText(waiting.empty() ? L"Waiting" : waiting);
    m_status.Show(SW_HIDE);
    m_progress.Show(SW_HIDE);
}

bool CSoftWareDlg::OnSize(UINT, int, int)
{
    if (m_index >= 0 && m_select.IsWindow())
        LayOut();
    return false;
}

void CSoftWareDlg::ShowProgress()
{
    m_progressVisible = true;
    m_pause.Show(SW_HIDE);
    m_resume.Show(SW_HIDE);
    m_progress.Show(SW_SHOW);
}

void CSoftWareDlg::ShowPauseButtons()
{
    m_progressVisible = false;
    m_progress.Show(SW_HIDE);
    m_pause.Show(SW_SHOW);
    m_resume.Show(SW_SHOW);
}

void CSoftWareDlg::Forward(int id, LPARAM lParam) const
{
    SendMessageW(Parent(), static_cast<UINT>(id), static_cast<WPARAM>(m_index), lParam);
}

bool CSoftWareDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case kSelectId:
        Forward(id, m_select.GetChecked() ? 0 : 1);
        return true;
    case kInstallId:
    case kActionId:
    case kInfoId:
        Forward(id, 0);
        return true;
    case kPauseId:
        m_pause.Show(SW_HIDE);
        m_resume.Show(SW_SHOW);
        m_resume.SetChecked(true);
        Forward(id, 0);
        return true;
    case kResumeId:
        m_resume.Show(SW_HIDE);
        m_pause.Show(SW_SHOW);
        m_pause.SetChecked(true);
        Forward(id, 0);
        return true;
    default:
        return false;
    }
}

bool CSoftWareDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
}

HBRUSH CSoftWareDlg::OnCtlColor(HDC dc, HWND, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

// The row's timer is only ever passed on; it goes with the row.
void CSoftWareDlg::OnDestroy()
{
    KillTimer(Handle(), 1);
    m_select.Destroy();
    m_info.Destroy();
    m_action.Destroy();
    m_pause.Destroy();
    m_resume.Destroy();
}
