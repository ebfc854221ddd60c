#include "RecorderWindows.h"

#include <string>
#include <vector>

#include "SharedHandles.h"

namespace {

constexpr UINT kReplyTimeoutMs = 2000;
constexpr int kStopRounds = 10;
constexpr DWORD kAfterTerminationMs = 500;
constexpr DWORD kExitAfterWindowMs = 1000;
constexpr DWORD kLookAgainMs = 20;

DWORD g_finishBoundMs = 10000;
constexpr wchar_t kRecorderTitle[] = L"ScreenRecorder";

BOOL CALLBACK CollectRecorder(HWND window, LPARAM windows)
{
    wchar_t title[32] = {};
    if (GetWindowTextW(window, title, static_cast<int>(std::size(title))) && std::wstring(title) == kRecorderTitle)
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> FindRecorderWindows()
{
    std::vector<HWND> windows;
    EnumWindows(&CollectRecorder, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void SendBounded(HWND recorder, WPARAM control)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(recorder, kRecorderMessage, control, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kReplyTimeoutMs,
                        &ignored);
}

}  // namespace

void SendRecorderControl(RECORDER_CONTROL control)
{
    if (HWND recorder = FindWindowW(nullptr, kRecorderTitle))
        SendBounded(recorder, control);
}

bool RecorderWindowExists()
{
    return FindWindowW(nullptr, kRecorderTitle) != nullptr;
}

DWORD RecorderFinishBound()
{
    return g_finishBoundMs;
}

void SetRecorderFinishBound(DWORD boundMs)
{
    g_finishBoundMs = boundMs;
}

bool WaitForRecorderWindowsGone(DWORD boundMs)
{
    const ULONGLONG giveUp = GetTickCount64() + boundMs;
    while (RecorderWindowExists()) {
        if (GetTickCount64() >= giveUp)
            return false;
        Sleep(kLookAgainMs);
    }
    return true;
}

void StopRecorderWindows()
{
    for (int round = 0; round < kStopRounds; ++round) {
        const std::vector<HWND> recorders = FindRecorderWindows();
        if (recorders.empty())
            return;
        for (HWND recorder : recorders)
            SendBounded(recorder, RecorderStop);
        WaitForRecorderWindowsGone(g_finishBoundMs / kStopRounds);
    }
}

void TerminateKeptRecorder()
{
    HANDLE recorder = RecorderProcess();
    if (!recorder)
        return;
    const DWORD grace = RecorderWindowExists() ? 0 : kExitAfterWindowMs;
    if (WaitForSingleObject(recorder, grace) != WAIT_OBJECT_0) {
        TerminateProcess(recorder, 0);
        WaitForSingleObject(recorder, kAfterTerminationMs);
    }
    SetRecorderProcess(nullptr);
}
