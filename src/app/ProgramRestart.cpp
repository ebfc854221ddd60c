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

std::wstring ExecutablePath()
{
    wchar_t path[kMaxExecutablePath] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kMaxExecutablePath);
    return length > 0 && length < kMaxExecutablePath ? std::wstring(path, length) : std::wstring();
}

// Started by its wide path: a program folder whose name the ANSI code page cannot spell still
// restarts. Both handles are closed at once; the new copy is not waited for.
bool StartNewCopy()
{
    const std::wstring path = ExecutablePath();
    if (path.empty())
        return false;
    std::wstring commandLine = L"\"" + path + L"\"";  // quoted: a blank in a folder name starts nothing else
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

ProgramRestartCatcher SetProgramRestartCatcher(ProgramRestartCatcher catcher)
{
    return std::exchange(Catcher(), std::move(catcher));
}

bool RestartProgram()
{
    const bool started = Catcher() ? Catcher()() : StartNewCopy();
    if (!started)
        return false;
    // The new copy reads the changed setting at its start.
    if (Catcher())
        return true;
    if (CApplication* application = CApplication::Current(); application && application->MainWindow())
        PostMessageW(application->MainWindow()->Handle(), WM_CLOSE, 0, 0);
    return true;
}

