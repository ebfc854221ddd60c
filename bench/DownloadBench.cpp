// Download and unpack of a 50 MB package over loopback through the download pipeline, beside its
// limit measured in the same run: a plain transfer of the same file from the same server plus a
// plain "7za x" of it.
//
//   bench_download.exe <folder holding 7za.exe>
//
// The pipeline is driven only through its public interface (UpdateThreads.h) and a progress window
// that does what the store's receivers do. The package holds data that does not compress, so that
// the archive itself is 50 MB. The fastest of a few rounds counts, for both sides.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "LoopbackWebServer.h"
#include "ProcessValues.h"
#include "UpdateMessages.h"
#include "UpdateThreads.h"
#include "WebServerHost.h"

using namespace update_messages;
namespace fs = std::filesystem;

namespace {

constexpr size_t kPackageBytes = 50u << 20;
constexpr size_t kPackageFiles = 10;
constexpr int kRounds = 3;
constexpr double kLimit = 1.1;
constexpr DWORD kBoundMs = 600000;
const wchar_t* const kPackage = L"BENCH.7z";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

int RunProgram(const std::wstring& commandLine)
{
    std::wstring line = commandLine;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, kBoundMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

// The package as the server holds it: files below "SCAN\EUROPE\BENCH\EN\" that do not compress.
bool MakePackage(const fs::path& sevenZip, const fs::path& site, const fs::path& work)
{
    const fs::path stage = work / "stage";
    const fs::path files = stage / "SCAN" / "EUROPE" / "BENCH" / "EN";
    fs::create_directories(files);
    std::mt19937_64 random(21);
    std::vector<uint64_t> block(kPackageBytes / kPackageFiles / sizeof(uint64_t));
    for (size_t i = 0; i < kPackageFiles; ++i) {
        for (uint64_t& word : block)
            word = random();
        FILE* out = _wfopen((files / (L"DATA" + std::to_wstring(i) + L".BIN")).c_str(), L"wb");
        if (!out)
            return false;
        const bool written = std::fwrite(block.data(), sizeof(uint64_t), block.size(), out) == block.size();
        if (std::fclose(out) != 0 || !written)
            return false;
    }
    fs::create_directories(site / "pkg" / "EUROPE");
    const fs::path archive = site / "pkg" / "EUROPE" / kPackage;
    const int code = RunProgram(L"\"" + sevenZip.wstring() + L"\" a -t7z -mx=1 -bso0 -bsp0 \"" + archive.wstring() + L"\" \"" +
                                stage.wstring() + L"\\*\"");
    fs::remove_all(stage);
    return code == 0 && fs::exists(archive);
}

// The progress window: moves the batch on as the store's receivers do and notes how it ended.
class CReceiver {
public:
    CReceiver()
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"DownloadBenchReceiver";
        RegisterClassW(&windowClass);
        m_window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CReceiver() { DestroyWindow(m_window); }

    HWND Window() const { return m_window; }
    void Reset() { m_finished = m_installed = m_failed = false; }
    bool Installed() const { return m_installed && !m_failed; }

    bool PumpUntilFinished()
    {
        const ULONGLONG deadline = GetTickCount64() + kBoundMs;
        while (!m_finished) {
            if (GetTickCount64() >= deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
        return true;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && (message == kDownloadMessage || message == kUnpackMessage)) {
            self->OnReport(message, ReportCode(wParam), lParam);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void OnReport(UINT message, unsigned code, LPARAM lParam)
    {
        if (message == kDownloadMessage && (code == kDownloadFailed || code == kDownloaded))
            PassDownloadResultToUnpack(lParam);
        if (code == kDownloadFailed || code == kNotInstalled)
            m_failed = true;
        if (code == kInstalled)
            m_installed = true;
        if (code == kDownloadFailed || code == kNotInstalled || code == kInstalled)
            ReleaseSerialSemaphore();
        if (code == kBatchFinished) {
            StopUpdateThreads();
            m_finished = true;
        }
    }

    HWND m_window = nullptr;
    bool m_finished = false;
    bool m_installed = false;
    bool m_failed = false;
};

UpdateJob BenchJob()
{
    UpdateJob job;
    job.JobId = 1;
    job.Record.MainPath = L"D:\\WebSite\\pkg\\";
    job.Record.FullPathFileName = std::wstring(L"EUROPE\\") + kPackage;
    job.Record.Region = L"EUROPE";
    job.Record.SoftwareCode = L"BENCH";
    job.Record.LanguageCode = L"EN";
    job.Record.SoftwareUploadid = L"1";
    job.Record.Version = L"V1.00";
    return job;
}

// Seconds for the pipeline to download and install the package into `program`; negative on failure.
double PipelineOnce(CReceiver& receiver, const fs::path& program)
{
    fs::remove_all(program / "SCAN");
    fs::remove_all(program / "download");
    receiver.Reset();
    TheUpdateJobList() = {BenchJob()};
    const auto start = Clock::now();
    StartUpdateThreads();
    if (!receiver.PumpUntilFinished() || !receiver.Installed())
        return -1;
    const double seconds = Seconds(start);
    return fs::exists(program / "SCAN" / "EUROPE" / "BENCH" / "EN" / "DATA0.BIN") ? seconds : -1;
}

// A plain transfer of the package into `file`, through the same system library.
bool Transfer(const std::wstring& url, const fs::path& file)
{
    HINTERNET session = InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET request = session ? InternetOpenUrlW(session, url.c_str(), nullptr, 0,
                                                   INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0)
                                : nullptr;
    FILE* out = request ? _wfopen(file.c_str(), L"wb") : nullptr;
    size_t total = 0;
    bool good = out != nullptr;
    std::vector<char> buffer(1 << 16);
    for (DWORD got = 0; good && InternetReadFile(request, buffer.data(), static_cast<DWORD>(buffer.size()), &got) && got > 0;) {
        good = std::fwrite(buffer.data(), 1, got, out) == got;
        total += got;
    }
    if (out)
        good = std::fclose(out) == 0 && good;
    if (request)
        InternetCloseHandle(request);
    if (session)
        InternetCloseHandle(session);
    return good && total > 0;
}

// Seconds for the plain transfer plus a plain "7za x" of it; negative on failure.
double PlainOnce(const fs::path& sevenZip, const std::wstring& url, const fs::path& plain)
{
    fs::remove_all(plain);
    fs::create_directories(plain);
    const fs::path archive = plain / kPackage;
    const auto start = Clock::now();
    if (!Transfer(url, archive))
        return -1;
    if (RunProgram(L"\"" + sevenZip.wstring() + L"\" x \"" + archive.wstring() + L"\" -y -o\"" + plain.wstring() + L"\"") != 0)
        return -1;
    const double seconds = Seconds(start);
    return fs::exists(plain / "SCAN" / "EUROPE" / "BENCH" / "EN" / "DATA0.BIN") ? seconds : -1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        std::printf("usage: bench_download <folder holding 7za.exe>\n");
        return 2;
    }
    const fs::path work = fs::temp_directory_path() / ("bench-download-" + std::to_string(GetCurrentProcessId()));
    const fs::path site = work / "site";
    const fs::path program = work / "program";
    const fs::path plain = work / "plain";
    fs::create_directories(site);
    fs::create_directories(program);
    fs::copy_file(fs::path(argv[1]) / "7za.exe", program / "7za.exe");
    const fs::path sevenZip = program / "7za.exe";

    int result = 1;
    if (!MakePackage(sevenZip, site, work)) {
        std::printf("the package could not be made\n");
    } else {
        const uint64_t packageBytes = fs::file_size(site / "pkg" / "EUROPE" / kPackage);
        CLoopbackWebServer server(site);
        WebServerAddress& host = WebServerHost();
        host.Host = L"127.0.0.1";
        host.Port = server.Port();
        host.SiteFolderPrefix = L"D:\\WebSite\\";
        host.WebRoot = L"http://127.0.0.1:" + std::to_wstring(server.Port()) + L"/";
        ResSetAppDir(program.wstring() + L"\\");
        CReceiver receiver;
        SetProgressWindow(receiver.Window());

        const std::wstring url = host.WebRoot + L"pkg/EUROPE/" + kPackage;
        // Alternating, so that a change of the machine's load meets both sides alike.
        double pipeline = -1;
        double limit = -1;
        for (int round = 0; round < kRounds; ++round) {
            const double plainSeconds = PlainOnce(sevenZip, url, plain);
            const double pipelineSeconds = PipelineOnce(receiver, program);
            if (plainSeconds < 0 || pipelineSeconds < 0) {
                limit = pipeline = -1;
                break;
            }
            limit = limit < 0 ? plainSeconds : std::min(limit, plainSeconds);
            pipeline = pipeline < 0 ? pipelineSeconds : std::min(pipeline, pipelineSeconds);
        }
        StopUpdateThreads();
        SetProgressWindow(nullptr);
        if (pipeline < 0) {
            std::printf("the package was not downloaded and installed\n");
        } else {
            const double ratio = pipeline / limit;
            std::printf("package: %.1f MB\n", static_cast<double>(packageBytes) / (1 << 20));
            std::printf("plain transfer + 7za x: %8.0f ms\n", limit * 1000);
            std::printf("download pipeline:      %8.0f ms  (%.2f x the plain time; limit %.1fx: %s)\n", pipeline * 1000,
                        ratio, kLimit, ratio <= kLimit ? "met" : "MISSED");
            result = 0;
        }
    }
    std::error_code ignored;
    fs::remove_all(work, ignored);
    return result;
}
