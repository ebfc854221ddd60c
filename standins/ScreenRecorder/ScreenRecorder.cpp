// Stand-in for the screen recorder: a window titled "ScreenRecorder" that logs every control
// message (WM_APP+0x6F1, wParam 0 start, 1 pause, 2 resume, 3 stop) and ends on "stop".
//   ScreenRecorder.exe [--log <file>] [--deaf]
// --deaf logs the stop but stays open, like a recorder that does not listen.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr UINT kRecorderMessage = WM_APP + 0x6F1;

std::wstring g_logFile = L"ScreenRecorder.log";
bool g_deaf = false;

void Log(WPARAM command)
{
    if (FILE* log = _wfopen(g_logFile.c_str(), L"ab")) {
        std::fprintf(log, "control %u\n", static_cast<unsigned>(command));
        std::fclose(log);
    }
}

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRecorderMessage) {
        Log(wParam);
        if (wParam == 3 && !g_deaf)
            DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ReadArguments()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; arguments && i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--log" && i + 1 < count)
            g_logFile = arguments[++i];
        else if (argument == L"--deaf")
            g_deaf = true;
    }
    LocalFree(arguments);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    ReadArguments();
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"ScreenRecorderStandIn";
    RegisterClassW(&windowClass);
    if (!CreateWindowW(windowClass.lpszClassName, L"ScreenRecorder", WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                       instance, nullptr))
        return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
