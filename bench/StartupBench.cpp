// Start-up of the shell with 10, 100 and 1,000 installed makers: from the process's start to the
// home page shown, without the splash's own designed delays.
//
//   bench_startup.exe <program folder> <make_demo_software.exe>
//
// For each count the makers of the folder's regions are replaced by that many generated makers
// (make_demo_software --makers). The splash waits a designed second before it loads the lists and
// then counts down; the bench clicks it from the moment it shows, which closes it as soon as the
// lists are loaded (earlier clicks it ignores), and takes the designed second off. The fastest of
// a few starts counts, so that a busy machine inflates no single figure.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 3;
constexpr double kLoadDelaySeconds = 1.0;  // the splash's wait before it loads the lists
constexpr double kTargetSeconds = 0.300;   // with 100 makers
constexpr size_t kTargetMakers = 100;
constexpr DWORD kStartTimeoutMs = 60000;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool Run(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder)
{
    std::wstring line = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return false;
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 600000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0;
}

// Replaces the makers of every region by `count` generated ones; the families in "PRO" stay.
bool InstallMakers(const std::filesystem::path& folder, const std::wstring& generator, size_t count)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder / L"Scan", error)) {
        if (entry.is_directory() && entry.path().filename() != L"PRO")
            for (const auto& maker : std::filesystem::directory_iterator(entry.path(), error))
                std::filesystem::remove_all(maker.path(), error);
    }
    return !error && Run(generator, L"--makers " + std::to_wstring(count) + L" .", folder.wstring());
}

struct FIND_WINDOW {
    DWORD processId;
    HWND main;
    HWND other;  // the largest shown window of the process other than the main window: the splash
    long otherArea;
};

BOOL CALLBACK FindShellWindows(HWND window, LPARAM parameter)
{
    auto* find = reinterpret_cast<FIND_WINDOW*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != find->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    if (std::wstring(title) == L"Nuthawk") {
        find->main = window;
        return TRUE;
    }
    // The splash's progress marks are windows of their own: the splash is the largest.
    RECT rect = {};
    GetWindowRect(window, &rect);
    const long area = static_cast<long>(rect.right - rect.left) * (rect.bottom - rect.top);
    if (area > find->otherArea) {
        find->other = window;
        find->otherArea = area;
    }
    return TRUE;
}

FIND_WINDOW ShellWindows(DWORD processId)
{
    FIND_WINDOW find = {processId, nullptr, nullptr, 0};
    EnumWindows(FindShellWindows, reinterpret_cast<LPARAM>(&find));
    return find;
}

struct START {
    double total = -1;     // process start to the home page shown, the splash's designed wait taken off
    double toSplash = -1;  // process start to the splash shown
};

// One start of the shell, closed again once its home page shows; a negative total when the shell
// did not get there.
START StartOnce(const std::wstring& folder)
{
    const std::wstring program = folder + L"\\Display.exe";
    std::wstring line = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    START result;
    const auto start = Clock::now();
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return result;
    for (;;) {
        const FIND_WINDOW windows = ShellWindows(process.dwProcessId);
        if (windows.main) {
            result.total = Seconds(start) - kLoadDelaySeconds;
            PostMessageW(windows.main, WM_CLOSE, 0, 0);
            break;
        }
        if (windows.other) {
            if (result.toSplash < 0)
                result.toSplash = Seconds(start);
            SendMessageW(windows.other, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        }
        if (Seconds(start) * 1000 > kStartTimeoutMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

// The floor for reading the figure: this program started again with --window, which shows a
// window at once; seconds from its start to the window shown.
int RunWindow()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = L"BenchStartupWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"BenchStartupWindow", L"BenchStartupWindow", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

double BareWindowStart()
{
    wchar_t path[MAX_PATH] = {};
    const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    double best = -1;
    for (int round = 0; round < kRounds; ++round) {
        std::wstring line = L"\"" + program + L"\" --window";
        STARTUPINFOW startup = {};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process = {};
        const auto start = Clock::now();
        if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return -1;
        HWND window = nullptr;
        while (!window && Seconds(start) * 1000 < kStartTimeoutMs) {
            window = FindWindowW(L"BenchStartupWindow", nullptr);
            if (!window || !IsWindowVisible(window)) {
                window = nullptr;
                Sleep(1);
            }
        }
        const double seconds = Seconds(start);
        if (window)
            PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        if (!window)
            return -1;
        if (best < 0 || seconds < best)
            best = seconds;
    }
    return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc > 1 && std::wstring(argv[1]) == L"--window")
        return RunWindow();
    if (argc < 3) {
        std::printf("usage: bench_startup <program folder> <make_demo_software.exe>\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::wstring generator = argv[2];

    struct RESULT {
        size_t makers;
        double seconds;
        double toSplash;
    };
    std::vector<RESULT> results;
    for (const size_t makers : {size_t{10}, size_t{100}, size_t{1000}}) {
        if (!InstallMakers(folder, generator, makers)) {
            std::printf("the %zu makers could not be written\n", makers);
            return 1;
        }
        START best;
        for (int round = 0; round < kRounds; ++round) {
            const START once = StartOnce(folder);
            if (once.total < 0) {
                std::printf("the shell did not show its home page with %zu makers\n", makers);
                return 1;
            }
            if (best.total < 0 || once.total < best.total)
                best = once;
        }
        results.push_back({makers, best.total, best.toSplash});
    }

    // "to splash": the part before the lists are loaded, which the makers do not touch.
    std::printf("%9s %14s %14s %18s\n", "makers", "start-up ms", "to splash ms", "ms per maker added");
    for (size_t i = 0; i < results.size(); ++i) {
        std::printf("%9zu %14.1f %14.1f", results[i].makers, results[i].seconds * 1000, results[i].toSplash * 1000);
        if (i > 0)
            std::printf(" %18.3f", (results[i].seconds - results[i - 1].seconds) * 1000 /
                                       static_cast<double>(results[i].makers - results[i - 1].makers));
        std::printf("\n");
    }
    for (const RESULT& r : results) {
        if (r.makers == kTargetMakers)
            std::printf("start-up with %zu makers: %.0f ms, %.2f x the target of %.0f ms (%s)\n", r.makers,
                        r.seconds * 1000, r.seconds / kTargetSeconds, kTargetSeconds * 1000,
                        r.seconds <= kTargetSeconds ? "met" : "MISSED");
    }
    std::printf("for reading them: a bare program started to its window shown: %.1f ms\n", BareWindowStart() * 1000);
    // No worse than linear: a hundred times the makers may cost at most a hundred times as much.
    const double growth = results.back().seconds / results.front().seconds;
    const double makersGrowth = static_cast<double>(results.back().makers) / static_cast<double>(results.front().makers);
    std::printf("growth from %zu to %zu makers: x%.2f against x%.0f for linear (%s)\n", results.front().makers,
                results.back().makers, growth, makersGrowth, growth <= makersGrowth ? "met" : "MISSED");
    return 0;
}
