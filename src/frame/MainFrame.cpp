#include "MainFrame.h"

#include "DisplayApp.h"
#include "ProcessValues.h"
#include "resource.h"

namespace {

RECT FrameRectangle()
{
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (ResGetDisplayMode() == 1)
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    else if (ResGetScreenMode() != 0)
        rect = RECT{0, 0, 1024, 700};
    return rect;
}

std::wstring FrameTitle()
{
    wchar_t title[128] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDR_MAINFRAME, title, static_cast<int>(std::size(title)));
    return title;
}

}  // namespace

bool CMainFrame::LoadFrame(DWORD style)
{
    // The frame has no caption, border or menu: its own bars are its caption.
    (void)style;
    if (!CreateFrame(FrameTitle(), WS_POPUP, FrameRectangle()))
        return false;
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return true;
}

void CMainFrame::SwitchView(int viewId, int)
{
    m_nCurrentViewId = viewId;
}

bool CMainFrame::OnCommand(int id, int code, HWND control)
{
    if (id == ID_APP_ABOUT) {
        static_cast<CDisplayApp*>(CApplication::Current())->OnAppAbout();
        return true;
    }
    return CFrameWindow::OnCommand(id, code, control);
}
