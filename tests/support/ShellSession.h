#pragma once
// The shell (Display.exe) as a separate process, seen from a test the way a user sees it: its main
// window, the view that is shown, its question boxes, and the turn token it shares with the
// diagnostic program. Every wait is bounded.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ProgramRun.h"

constexpr DWORD kShellTimeoutMs = 30000;

// Polls `condition` until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kShellTimeoutMs);

// The exchange's turn token exists, is free, and counts exactly one.
bool ExchangeTokenCountIsOne();

class CShellSession {
public:
    CShellSession() = default;
    ~CShellSession();  // closes the shell
    CShellSession(const CShellSession&) = delete;
    CShellSession& operator=(const CShellSession&) = delete;

    // Starts "Display.exe" of `programFolder` (TEMP pointing at `temporaryFolder`) and waits until
    // its main window is shown.
    bool Start(const std::filesystem::path& programFolder, const std::filesystem::path& temporaryFolder);
    // Asks the shell to close and waits for its end; its exit code, or -1.
    int Close();

    HWND Main() const { return m_main; }
    CProgramRun& Process() { return m_run; }
    // The pane of the view that is shown.
    HWND ActiveView() const;
    // Whether the view of this id is the one shown (the shown view gives up its own id).
    bool IsActive(int viewId) const;
    bool WaitForView(int viewId) const;
    // A command as the bars send it: to the main window, which hands it to the shown view. Returns
    // once the shell has carried it out (false when that took too long).
    bool Command(int id) const;
    // The same without waiting, for commands that open a question box.
    void PostCommand(int id) const;
    // Waits for the next question box and presses "Yes" or "No"; its text goes to `text`.
    bool AnswerNextBox(bool yes, std::wstring* text = nullptr) const;
    // A click on a row of the table of the shown screen (0 = the page's first row).
    void ClickRow(int rowOnPage) const;
    // Has the shell save a snapshot of itself (command 3028) and moves it to `file`.
    bool SaveSnapshot(const std::filesystem::path& programFolder, const std::filesystem::path& file) const;

private:
    CProgramRun m_run;
    HWND m_main = nullptr;
};
