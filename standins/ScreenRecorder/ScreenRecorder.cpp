// Stand-in for the screen recorder: a window titled "ScreenRecorder" that logs every control
// message (WM_APP+0x6F1, wParam 0 start, 1 pause, 2 resume, 3 stop) and ends on "stop". A stop
// after a start answers at once and then finishes the recording, a small animated picture written
// as "..\..\SCREENRECORD\REC<date><time>.gif" (the program starts it in "tools\DataRecord\"); its
// window goes away only once the recording is written, as the real recorder's does.
//   ScreenRecorder.exe [--log <file>] [--deaf] [--no-window] [--finish-ms <n>]
// --deaf logs the stop but stays open, like a recorder that does not listen; --no-window ends at
// once, like a recorder that never shows up; --finish-ms takes n ms to finish a recording, like a
// long one. The program starts it without a command line, so the options may also stand in
// "ScreenRecorder.args" in its current folder.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <sstream>
#include <string>

#include "GifEncoder.h"

namespace {

constexpr UINT kRecorderMessage = WM_APP + 0x6F1;
constexpr UINT kFinishMessage = WM_APP + 1;

std::wstring g_logFile = L"ScreenRecorder.log";
bool g_deaf = false;
bool g_noWindow = false;
bool g_recording = false;
bool g_finishing = false;
DWORD g_finishMs = 0;

void WriteRecording()
{
    CreateDirectoryW(L"..\\..\\SCREENRECORD", nullptr);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    wchar_t name[64] = {};
    swprintf(name, std::size(name), L"..\\..\\SCREENRECORD\\REC%04u%02u%02u%02u%02u%02u.gif", now.wYear, now.wMonth,
             now.wDay, now.wHour, now.wMinute, now.wSecond);
    const std::vector<uint8_t> picture = EncodeColourCycleGif(64, 48, {0xFF0000, 0x00FF00, 0x0000FF}, 20);
    if (FILE* file = _wfopen(name, L"wb")) {
        std::fwrite(picture.data(), 1, picture.size(), file);
        std::fclose(file);
    }
}

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
        if (wParam == 0 && !g_finishing)
            g_recording = true;
        if (wParam == 3 && g_deaf && g_recording) {
            g_recording = false;
            WriteRecording();
        }
        if (wParam == 3 && !g_deaf && !g_finishing) {
            g_finishing = true;  // answered now; the recording is finished after the answer
            PostMessageW(window, kFinishMessage, 0, 0);
        }
        return 0;
    }
    if (message == kFinishMessage) {
        Sleep(g_finishMs);
        if (g_recording)
            WriteRecording();
        g_recording = false;
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring ArgumentsFileText()
{
    std::ifstream file("ScreenRecorder.args");
    std::stringstream text;
    text << file.rdbuf();
    const std::string narrow = text.str();
    return std::wstring(narrow.begin(), narrow.end());
}

void ReadArguments()
{
    const std::wstring commandLine = std::wstring(GetCommandLineW()) + L" " + ArgumentsFileText();
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine.c_str(), &count);
    for (int i = 1; arguments && i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--log" && i + 1 < count)
            g_logFile = arguments[++i];
        else if (argument == L"--deaf")
            g_deaf = true;
        else if (argument == L"--no-window")
            g_noWindow = true;
        else if (argument == L"--finish-ms" && i + 1 < count)
            g_finishMs = static_cast<DWORD>(std::wcstoul(arguments[++i], nullptr, 10));
    }
    LocalFree(arguments);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    ReadArguments();
    if (g_noWindow)
        return 0;
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
