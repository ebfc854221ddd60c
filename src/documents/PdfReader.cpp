#include "PdfReader.h"

#include <string>

#include "MainFrame.h"
#include "MessageBox.h"
#include "ProcessValues.h"

HWND g_hManualReader = nullptr;
HWND g_hDocumentReader = nullptr;

namespace {

constexpr int kCloseCode = 6;
constexpr DWORD kCloseWaitMs = 200;
constexpr int kWindowLookups = 50;
constexpr UINT kSendTimeoutMs = 5000;

HWND FindReaderWindow()
{
    return FindWindowW(nullptr, L"PDFReader");
}

void CloseAndWait(HWND reader)
{
    SendReaderControl(reader, kCloseCode, 1);
    Sleep(kCloseWaitMs);
}

// The process id of the started reader, or 0.
DWORD StartReaderProgram(HWND sender)
{
    const std::wstring folder = ResGetAppDir() + L"tools\\PDF\\";
    const std::wstring program = folder + L"PDFReader.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        ShowMessageBox(sender, std::to_wstring(GetLastError()), L"", MB_OK);
        return 0;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
}

struct READER_SEARCH {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchReaderOfProcess(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<READER_SEARCH*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[16] = {};
    if (owner != search->processId || GetWindowTextW(window, title, 16) <= 0 || std::wstring(title) != L"PDFReader")
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindReaderWindowOf(DWORD processId)
{
    READER_SEARCH search = {processId, nullptr};
    EnumWindows(MatchReaderOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Only the window of the reader just started: an earlier reader still closing (or any other window
// of that title) must not receive the next document.
HWND WaitForReaderWindow(DWORD processId)
{
    HWND window = FindReaderWindowOf(processId);
    for (int lookup = 0; lookup < kWindowLookups && !window; ++lookup) {
        Sleep(kCloseWaitMs);
        window = FindReaderWindowOf(processId);
    }
    return window;
}

void SendText(HWND reader, HWND sender, const std::wstring& text)
{
    COPYDATASTRUCT data = {0, static_cast<DWORD>(text.size() * sizeof(wchar_t)), const_cast<wchar_t*>(text.c_str())};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(reader, WM_COPYDATA, reinterpret_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

}  // namespace

LRESULT SendReaderControl(HWND reader, int code, LPARAM value)
{
    if (!reader)
        return 0;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(reader, ReaderControlMessage, static_cast<WPARAM>(code), value, SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &answer))
        return 0;
    return static_cast<LRESULT>(answer);
}

bool OpenDocumentInReader(const std::wstring& document, HWND& reader, HWND sender)
{
    if (HWND running = FindReaderWindow())
        CloseAndWait(running);
    if (reader) {
        CloseAndWait(reader);
        reader = nullptr;
    }
    const DWORD processId = StartReaderProgram(sender);
    if (!processId)
        return false;
    HWND window = WaitForReaderWindow(processId);
    if (!window)
        return false;
    reader = window;
    CMainFrame* frame = CMainFrame::Instance();
    SendText(window, sender, frame ? frame->GetText() : std::wstring());
    SendText(window, sender, document);
    return true;
}
