#pragma once
#include <windows.h>

#include <atomic>
#include <string>

// What the workers of one batch share. It outlives them: StopUpdateThreads frees it only after
// every worker has ended.
struct UpdateBatch {
    HANDLE StopEvent = nullptr;
    // Set while the batch may run, reset while the user has paused it. Workers wait for it only
    // where they hold nothing another thread needs: between jobs and between pieces of a download.
    HANDLE RunEvent = nullptr;
    HANDLE SerialSemaphore = nullptr;
    HANDLE DownloadSemaphore = nullptr;
    HANDLE UpdateSemaphore = nullptr;
    std::atomic<DWORD> DownloadThreadId = 0;
    std::wstring ProgramFolder;  // with its trailing backslash
};

// The window that receives messages 100 and 101; the last SetProgressWindow wins, also mid-batch.
HWND CurrentProgressWindow();

DWORD WINAPI SerialThreadProc(LPVOID batch);
DWORD WINAPI DownloadThreadProc(LPVOID batch);
DWORD WINAPI UnpackThreadProc(LPVOID batch);
