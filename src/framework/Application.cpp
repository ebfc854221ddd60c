#include "Application.h"

#include <chrono>

namespace {

CApplication* g_current = nullptr;

uint64_t NowUs()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

// Everything but paints: input, posted messages and timers, messages sent by other threads.
constexpr UINT kAllButPaints = PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;

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
    while (RunOneMessage(message)) {
    }
    return static_cast<int>(message.wParam);
}

bool CApplication::RunOneMessage(MSG& message)
{
    const uint64_t now = NowUs();
    if (m_paintPacer.HoldsPaints(now))
        return RunOneMessageHoldingPaints(message, m_paintPacer.HoldLeftMs(now));
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return false;
    Dispatch(message);
    return true;
}

bool CApplication::RunOneMessageHoldingPaints(MSG& message, uint32_t holdLeftMs)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, holdLeftMs, QS_ALLINPUT & ~QS_PAINT, MWMO_INPUTAVAILABLE);
    // Messages sent by other threads are handled inside the peek, even when it finds nothing else.
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | kAllButPaints))
        return true;
    if (message.message == WM_QUIT)
        return false;
    Dispatch(message);
    return true;
}

void CApplication::Dispatch(MSG& message)
{
    if (PreTranslateMessage(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void CApplication::NoteExchangeTurn()
{
    m_paintPacer.NoteTurn(NowUs());
}

void NoteExchangeTurn()
{
    if (CApplication* application = CApplication::Current())
        application->NoteExchangeTurn();
}

bool CApplication::PreTranslateMessage(MSG& message)
{
    return m_mainWindow && m_mainWindow->PreTranslateMessage(message);
}
