#include "Application.h"

namespace {

CApplication* g_current = nullptr;

}  // namespace

CApplication::CApplication()
{
    g_current = this;
}

CApplication::~CApplication()
{
    if (g_current == this)
        g_current = nullptr;
}

CApplication* CApplication::Current()
{
    return g_current;
}

int CApplication::RunApplication(HINSTANCE instance)
{
    m_instance = instance;
    if (InitInstance())
        m_exitCode = Run();
    else if (m_mainWindow)
        m_mainWindow->Destroy();
    const int exitCode = ExitInstance();
    m_mainWindow.reset();
    return exitCode;
}

int CApplication::Run()
{
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool CApplication::PreTranslateMessage(MSG& message)
{
    return m_mainWindow && m_mainWindow->PreTranslateMessage(message);
}
