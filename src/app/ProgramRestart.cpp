#include "ProgramRestart.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "Application.h"
#include "Window.h"

namespace {

constexpr DWORD kMaxExecutablePath = 512;

ProgramRestartCatcher& Catcher()
{
    static ProgramRestartCatcher catcher;
    return catcher;
}

std::string ExecutablePathAnsi()
{
    wchar_t path[kMaxExecutablePath] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kMaxExecutablePath);
    const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, path, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, path, static_cast<int>(length), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

}  // namespace

ProgramRestartCatcher SetProgramRestartCatcher(ProgramRestartCatcher catcher)
{
    return std::exchange(Catcher(), std::move(catcher));
}

void RestartProgram()
{
    if (Catcher()) {
        Catcher()();
        return;
    }
    // The new copy reads the changed setting at its start; whether it started or not, this one ends.
    // Quoted, so a folder name with a blank cannot start some other program.
    WinExec(("\"" + ExecutablePathAnsi() + "\"").c_str(), SW_SHOWNORMAL);
    if (CApplication* application = CApplication::Current(); application && application->MainWindow())
        PostMessageW(application->MainWindow()->Handle(), WM_CLOSE, 0, 0);
}
