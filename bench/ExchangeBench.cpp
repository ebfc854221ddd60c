// Turns per second between a diagnostic program and the shell, beside a bare ping-pong of two
// processes over the same kind of window message and semaphore, measured in the same run.
//
//   bench_exchange.exe <folder holding Display.exe and its Config.xml>
//
// It starts the shell there, shows the maker chooser (which makes the exchange block), then plays
// the diagnostic program: text requests (0xFD, answered by the frame at once) and 300-item menus
// answered by a click on the menu screen. The ping-pong partner is this program started again with
// --partner.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT kRequest = WM_APP + 0x6EF;
constexpr size_t kBlockSize = 0x10000;
constexpr int kTurns = 2000;
constexpr int kMenuTurns = 200;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// The partner of the bare ping-pong: a window that takes the token and gives it back.
LRESULT CALLBACK PartnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    static HANDLE token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"BenchToken");
    if (message == kRequest) {
        WaitForSingleObject(token, 0);
        ReleaseSemaphore(token, 1, nullptr);
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int RunPartner()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PartnerProc;
    windowClass.lpszClassName = L"BenchPartner";
    RegisterClassW(&windowClass);
    CreateWindowW(L"BenchPartner", L"BenchPartner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

PROCESS_INFORMATION Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    return process;
}

HWND WaitForWindow(const wchar_t* title, bool visible)
{
    for (int i = 0; i < 600; ++i) {
        if (HWND window = FindWindowW(nullptr, title); window && (!visible || IsWindowVisible(window)))
            return window;
        Sleep(50);
    }
    return nullptr;
}

double PingPong(HWND partner, HANDLE token, int turns)
{
    const auto start = Clock::now();
    for (int i = 0; i < turns; ++i) {
        SendMessageW(partner, kRequest, 0, 0);
        WaitForSingleObject(token, 5000);
        ReleaseSemaphore(token, 1, nullptr);
    }
    return turns / Seconds(start);
}

void WriteTextRequest(uint8_t* block)
{
    const uint8_t frame[] = {0, 6, 0xFD, 0, 0x00, 0x02};
    memcpy(block, frame, sizeof(frame));
}

void WriteMenuRequest(uint8_t* block)
{
    std::vector<uint8_t> frame = {0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 300 >> 8, 300 & 0xFF, 0};
    for (int i = 0; i < 300; ++i) {
        const std::string item = "Menu item " + std::to_string(i);
        frame.insert(frame.end(), item.begin(), item.end());
        frame.push_back(0);
    }
    memcpy(block, frame.data(), frame.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && std::wstring(argv[1]) == L"--partner")
        return RunPartner();
    if (argc < 2) {
        std::printf("usage: bench_exchange <program folder>\n");
        return 2;
    }
    const std::wstring folder = argv[1];

    HANDLE benchToken = CreateSemaphoreW(nullptr, 1, 1, L"BenchToken");
    const PROCESS_INFORMATION partner = Start(OwnPath(), L"--partner", L"");
    const HWND partnerWindow = WaitForWindow(L"BenchPartner", false);
    const PROCESS_INFORMATION shell = Start(folder + L"\\Display.exe", L"", folder);
    const HWND shellWindow = WaitForWindow(L"Nuthawk", true);
    if (!partnerWindow || !shellWindow) {
        std::printf("the partner or the shell did not show its window\n");
        return 1;
    }
    SendMessageW(shellWindow, WM_COMMAND, 3007, 0);  // the maker chooser makes the exchange block
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "DisplayDiagnoseData");
    auto* block = mapping ? static_cast<uint8_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize)) : nullptr;
    HANDLE token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"hSemaphore");
    if (!block || !token) {
        std::printf("the exchange block or the token is missing\n");
        return 1;
    }

    const double bare = PingPong(partnerWindow, benchToken, kTurns);

    const auto textStart = Clock::now();
    for (int i = 0; i < kTurns; ++i) {
        WriteTextRequest(block);
        SendMessageW(shellWindow, kRequest, 0, 0);
        WaitForSingleObject(token, 5000);
        ReleaseSemaphore(token, 1, nullptr);
    }
    const double text = kTurns / Seconds(textStart);

    const auto menuStart = Clock::now();
    for (int i = 0; i < kMenuTurns; ++i) {
        WriteMenuRequest(block);
        SendMessageW(shellWindow, kRequest, 0, 0);
        const HWND menu = GetDlgItem(shellWindow, 0xE900);
        SendMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 19));
        WaitForSingleObject(token, 5000);
        ReleaseSemaphore(token, 1, nullptr);
    }
    const double menus = kMenuTurns / Seconds(menuStart);

    std::printf("bare ping-pong:         %8.0f turns/s\n", bare);
    std::printf("text request (0xFD):    %8.0f turns/s  (%.2f x the ping-pong time per turn)\n", text, bare / text);
    std::printf("300-item menu + click:  %8.0f turns/s  (%.2f x the ping-pong time per turn)\n", menus, bare / menus);

    PostMessageW(shellWindow, WM_CLOSE, 0, 0);
    WaitForSingleObject(shell.hProcess, 10000);
    TerminateProcess(partner.hProcess, 0);
    for (HANDLE handle : {shell.hProcess, shell.hThread, partner.hProcess, partner.hThread, token, benchToken, mapping})
        CloseHandle(handle);
    UnmapViewOfFile(block);
    return 0;
}
