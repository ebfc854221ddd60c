#include "FrameWindow.h"

#include "Application.h"
#include "FormView.h"

bool CFrameWindow::CreateFrame(const std::wstring& title, DWORD style, const RECT& rect)
{
    WINDOW_CREATE_ARGS args;
    args.title = title;
    args.style = style;
    args.rect = rect;
    return Create(args);
}

bool CFrameWindow::OnCommand(int id, int code, HWND control)
{
    if (!m_activeView || !m_activeView->IsWindow())
        return false;
    SendMessageW(m_activeView->Handle(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
    return true;
}

bool CFrameWindow::OnClose()
{
    Destroy();
    return true;
}

void CFrameWindow::OnDestroy()
{
    // The end of the main window is the end of the message loop.
    if (CApplication* application = CApplication::Current(); application && application->MainWindow() == this)
        PostQuitMessage(0);
}
