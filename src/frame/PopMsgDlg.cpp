#include "PopMsgDlg.h"

#include "SharedFonts.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr int kButtonWidth = 232;
constexpr int kButtonHeight = 77;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// The shared font may not exist yet: this box can be the first window of the start-up.
HFONT TextFont()
{
    return NormalFont() ? NormalFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

PopMsgDlg::PopMsgDlg(HWND parent)
    : CDialog(IDD_POPMSGDLG, parent),
      m_skin(LoadProgramBitmap(IDB_POPMSG_SKIN)),
      m_whiteBrush(CreateSolidBrush(RGB(255, 255, 255)))
{
}

int PopMsgDlg::Show(const std::wstring& text, HWND parent)
{
    PopMsgDlg box(parent);
    box.SetMessage(text);
    return static_cast<int>(box.DoModal());
}

bool PopMsgDlg::OnInitDialog()
{
    // Sized to the skin and centred on the screen, not on the parent.
    const SIZE skin = BitmapSize(m_skin.Get());
    const int x = (GetSystemMetrics(SM_CXSCREEN) - skin.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - skin.cy) / 2;
    SetWindowPos(Handle(), HWND_TOP, x, y, skin.cx, skin.cy, SWP_SHOWWINDOW);

    const RECT client = ClientRect();
    m_yes = CreateAnswerButton(IDC_POPMSG_YES, 0x10000002, L"Yes", client.left + 6, client.top + 163);
    m_no = CreateAnswerButton(IDC_POPMSG_NO, 0x10000003, L"No", client.left + 240, client.top + 163);

    const HWND text = Item(IDC_POPMSG_TEXT);
    MoveWindow(text, client.left + 10, client.top + 30, client.right - client.left - 20,
               client.bottom - client.top - 120, TRUE);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(TextFont()), TRUE);
    SetWindowTextW(text, m_message.c_str());
    return true;
}

std::unique_ptr<CBmpBtn> PopMsgDlg::CreateAnswerButton(int id, uint32_t textId, const wchar_t* english, int x, int y)
{
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", WS_TABSTOP, RECT{x, y, x + kButtonWidth, y + kButtonHeight}, Handle(), id))
        return nullptr;
    button->SetFont(NormalFont());
    button->SetText(ResGetStringOr(textId, english));
    button->SetBitmaps(IDB_POPMSG_BUTTON, IDB_POPMSG_BUTTON_DOWN, 0, 0);
    button->Enable(true);
    button->Show();
    button->SetCenterText(true);
    return button;
}

bool PopMsgDlg::OnCommand(int id, int, HWND)
{
    if (id == IDC_POPMSG_YES) {
        OnOK();
        return true;
    }
    if (id == IDC_POPMSG_NO) {
        OnCancel();
        return true;
    }
    return false;
}

bool PopMsgDlg::OnEraseBkgnd(HDC dc)
{
    if (!m_skin)
        return false;
    const SIZE skin = BitmapSize(m_skin.Get());
    CMemoryDc memory(dc);
    CSelectObject selected(memory.Get(), m_skin.Get());
    BitBlt(dc, 0, 0, skin.cx, skin.cy, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

HBRUSH PopMsgDlg::OnCtlColor(HDC dc, HWND control, UINT)
{
    if (GetDlgCtrlID(control) != IDC_POPMSG_TEXT)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return m_whiteBrush.Get();
}
