#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
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
    // Every report of the batch goes to the window that started it, marked with the batch's number.
    HWND Owner = nullptr;
    uint16_t Number = 0;
    // Held while the stop is set and while the archiver is started, so no archiver starts once a
    // stop has begun.
    std::mutex ArchiverStart;
};

// The window that starts the next batch (the last SetProgressWindow).
HWND CurrentProgressWindow();

DWORD WINAPI SerialThreadProc(LPVOID batch);
DWORD WINAPI DownloadThreadProc(LPVOID batch);
DWORD WINAPI UnpackThreadProc(LPVOID batch);
