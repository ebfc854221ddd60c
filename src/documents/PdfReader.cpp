#include "PdfReader.h"

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

bool StartReaderProgram(HWND sender)
{
    const std::wstring folder = ResGetAppDir() + L"tools\\PDF\\";
    const std::wstring program = folder + L"PDFReader.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        ShowMessageBox(sender, std::to_wstring(GetLastError()), L"", MB_OK);
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

HWND WaitForReaderWindow()
{
    HWND window = FindReaderWindow();
    for (int lookup = 0; lookup < kWindowLookups && !window; ++lookup) {
        Sleep(kCloseWaitMs);
        window = FindReaderWindow();
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
    if (!StartReaderProgram(sender))
        return false;
    HWND window = WaitForReaderWindow();
    if (!window)
        return false;
    reader = window;
    CMainFrame* frame = CMainFrame::Instance();
    SendText(window, sender, frame ? frame->GetText() : std::wstring());
    SendText(window, sender, document);
    return true;
}
