#include "PopMsgDlg.h"

#include "SharedFonts.h"
#include "StringResources.h"
#include "resource.h"

namespace {

// The box's layout in pixels: the face is 478 x 248 with two 232 x 77 buttons side by side.
constexpr int kBoxWidth = 478;
constexpr int kBoxHeight = 248;
constexpr int kButtonWidth = 232;
constexpr int kButtonHeight = 77;

// The shared font may not exist yet: this box can be the first window of the start-up.
void SetControlFont(HWND control)
{
    const HFONT font = NormalFont() ? NormalFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::wstring TextOr(uint32_t id, const wchar_t* english)
{
    const std::wstring text = ResGetString(id);
    return text.empty() ? english : text;
}

}  // namespace

PopMsgDlg::PopMsgDlg(HWND parent) : CDialog(IDD_POPMSGDLG, parent), m_whiteBrush(CreateSolidBrush(RGB(255, 255, 255)))
{
}

bool PopMsgDlg::OnInitDialog()
{
    // Centred on the screen, not on the parent.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kBoxWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kBoxHeight) / 2;
    SetWindowPos(Handle(), HWND_TOP, x, y, kBoxWidth, kBoxHeight, SWP_SHOWWINDOW);

    const RECT client = ClientRect();
    CreateAnswerButton(IDC_POPMSG_YES, 0x10000002, L"Yes", client.left + 6, client.top + 163);
    CreateAnswerButton(IDC_POPMSG_NO, 0x10000003, L"No", client.left + 240, client.top + 163);

    const HWND text = Item(IDC_POPMSG_TEXT);
    MoveWindow(text, client.left + 10, client.top + 30, client.right - client.left - 20,
               client.bottom - client.top - 120, TRUE);
    SetControlFont(text);
    SetWindowTextW(text, m_message.c_str());
    return true;
}

void PopMsgDlg::CreateAnswerButton(int id, uint32_t textId, const wchar_t* english, int x, int y)
{
    const HWND button = CreateWindowExW(0, L"BUTTON", TextOr(textId, english).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER, x, y,
                                        kButtonWidth, kButtonHeight, Handle(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                        nullptr);
    SetControlFont(button);
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

HBRUSH PopMsgDlg::OnCtlColor(HDC dc, HWND control, UINT)
{
    if (GetDlgCtrlID(control) != IDC_POPMSG_TEXT)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return m_whiteBrush.Get();
}
