#pragma once
// Runs one of the build's programs as a separate process and watches its windows, for end-to-end
// tests of the real executable. Every wait is bounded.
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

// The folder that holds the build's programs (the test executable's own folder).
std::filesystem::path BuildProgramFolder();

class CProgramRun {
public:
    CProgramRun() = default;
    ~CProgramRun();  // ends the process if it still runs
    CProgramRun(const CProgramRun&) = delete;
    CProgramRun& operator=(const CProgramRun&) = delete;

    // Starts `program` with `arguments`; `temporaryFolder`, when given, becomes the process's TEMP/TMP.
    bool Start(const std::filesystem::path& program, const std::wstring& arguments = L"",
               const std::filesystem::path& temporaryFolder = {});

    DWORD ProcessId() const { return m_process.dwProcessId; }
    bool HasExited() const;
    // Waits for the end of the process; its exit code, or -1 when it did not end in time.
    int WaitForExit(DWORD timeoutMs);

    // Top-level windows of the process (visible or not).
    std::vector<HWND> Windows() const;
    // The first visible top-level window with this title, or null.
    HWND FindVisibleWindow(const std::wstring& title) const;
    // A question box of the process (a dialog holding the message control 1084), or null.
    HWND FindQuestionBox() const;

private:
    PROCESS_INFORMATION m_process = {};
};

// The message a question box shows.
std::wstring QuestionBoxText(HWND box);
// Presses "Yes" (true) or "No" (false) in a question box.
void AnswerQuestionBox(HWND box, bool yes);

// Lets the caller's thread idle a little between two looks at another process.
void PollPause();
