// Stand-in for the external PDF reader: a window titled "PDFReader" that writes every text it
// receives by WM_COPYDATA to "pdfreader.log" beside itself (one line each, UTF-8), logs the scroll
// and page commands of WM_APP+0x6F2 ("scroll up N", "scroll down N", "page up", "page down") and
// closes when asked (wParam 6, lParam 1). On the second text, the document, it tells the sender's
// main window that the document has three pages (code 0), as the real reader does before the shell
// embeds it. It shows the name of the document it was given, so a person sees which one opened.
#include <windows.h>

#include <string>

namespace {

constexpr UINT kReaderMessage = WM_APP + 0x6F2;
constexpr LPARAM kPageCount = 3;
int g_textsReceived = 0;
std::wstring g_document;

std::wstring LogPath()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of(L'\\') + 1) + L"pdfreader.log";
}

void Log(const std::wstring& line)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), length, nullptr, nullptr);
    utf8 += "\n";
    HANDLE file = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
}

void ReportPageCount(HWND sender)
{
    HWND main = sender ? GetAncestor(sender, GA_ROOT) : nullptr;
    DWORD_PTR ignored = 0;
    if (main)
        SendMessageTimeoutW(main, kReaderMessage, 0, kPageCount, SMTO_ABORTIFHUNG, 2000, &ignored);
}

void LogCommand(int code, LPARAM value)
{
    const wchar_t* names[] = {L"scroll up ", L"scroll down ", L"page up", L"page down"};
    std::wstring line = names[code - 2];
    if (code <= 3)
        line += std::to_wstring(value);
    Log(line);
}

// The file name of a path, without its folders or a terminating zero.
std::wstring DocumentName(std::wstring path)
{
    path = path.c_str();
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void PaintDocumentName(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::wstring line = g_document.empty() ? L"PDF reader" : L"Document: " + g_document + L"\r\nPage 1 of 3";
    SetBkMode(dc, TRANSPARENT);
    InflateRect(&client, -20, -20);
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &client, DT_LEFT | DT_TOP | DT_WORDBREAK);
    EndPaint(window, &paint);
}

LRESULT CALLBACK ReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        std::wstring text;
        if (data && data->lpData)
            text.assign(static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t));
        Log(L"text " + text);
        if (++g_textsReceived == 2) {
            g_document = DocumentName(text);
            InvalidateRect(window, nullptr, TRUE);
            ReportPageCount(reinterpret_cast<HWND>(wParam));
        }
        return TRUE;
    }
    if (message == WM_PAINT) {
        PaintDocumentName(window);
        return 0;
    }
    if (message == kReaderMessage && wParam >= 2 && wParam <= 5) {
        LogCommand(static_cast<int>(wParam), lParam);
        return 0;
    }
    if (message == kReaderMessage && wParam == 6 && lParam == 1) {
        Log(L"close");
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ReaderProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"PDFReaderStandIn";
    RegisterClassW(&windowClass);
    if (!CreateWindowW(windowClass.lpszClassName, L"PDFReader", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                       nullptr, nullptr, instance, nullptr))
        return 1;
    Log(L"started");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
