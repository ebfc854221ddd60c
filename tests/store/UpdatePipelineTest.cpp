// The download pipeline end to end: its threads download from the loopback stand-in of the maker's
// server and unpack with the real archiver into a program folder of the test's own, reporting to a
// window that does what the store's receivers do.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "LoopbackWebServer.h"
#include "ProcessRunner.h"
#include "ProcessValues.h"
#include "ProgramRun.h"
#include "TempFolder.h"
#include "UpdateBlocks.h"
#include "UpdateMessages.h"
#include "UpdateThreads.h"
#include "WebServerHost.h"

using namespace update_messages;
namespace fs = std::filesystem;

namespace {

constexpr DWORD kBatchBoundMs = 60000;
using Reports = std::vector<std::string>;

// The progress window: records every report as "message:code:job" and moves the batch on.
class CReceiver {
public:
    CReceiver()
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"UpdatePipelineTestReceiver";
        RegisterClassW(&windowClass);
        m_window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CReceiver() { DestroyWindow(m_window); }

    HWND Window() const { return m_window; }
    // Reports other than progress, in arrival order.
    const std::vector<std::string>& Reports() const { return m_reports; }
    const std::map<int32_t, std::vector<uint32_t>>& Percents() const { return m_percents; }
    bool Finished() const { return m_finished; }
    // The batch number each report carried, in the order of Reports().
    const std::vector<uint16_t>& Batches() const { return m_batches; }

    // Handles messages until the condition holds; false when it does not within the bound.
    template <typename Condition>
    bool PumpUntil(Condition condition, DWORD boundMs = kBatchBoundMs)
    {
        const ULONGLONG deadline = GetTickCount64() + boundMs;
        while (!condition()) {
            if (GetTickCount64() >= deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
        }
        return true;
    }

    // The reports of one job, in order.
    std::vector<std::string> ReportsOf(int32_t jobId) const
    {
        std::vector<std::string> reports;
        const std::string suffix = ":" + std::to_string(jobId);
        for (const auto& report : m_reports) {
            if (report.ends_with(suffix))
                reports.push_back(report.substr(0, report.size() - suffix.size()));
        }
        return reports;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<CReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self && (message == kDownloadMessage || message == kUnpackMessage)) {
            self->OnReport(message, ReportCode(wParam), ReportBatch(wParam), lParam);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void OnReport(UINT message, unsigned code, uint16_t batch, LPARAM lParam)
    {
        if (code == kProgress) {
            int32_t jobId = 0;
            uint32_t percent = 0;
            update_blocks::ReadProgress(*reinterpret_cast<const update_blocks::ProgressBlock*>(lParam), jobId, percent);
            m_percents[jobId].push_back(percent);
            return;
        }
        int32_t jobId = static_cast<int32_t>(lParam);
        if (message == kDownloadMessage && (code == kDownloadFailed || code == kDownloaded)) {
            const auto& block = *reinterpret_cast<const update_blocks::Block*>(lParam);
            const auto result = update_blocks::ReadDownloadResult(block);
            jobId = result ? result->JobId : -1;
            PassDownloadResultToUnpack(lParam);
        }
        m_reports.push_back(std::to_string(message) + ":" + std::to_string(code) + ":" + std::to_string(jobId));
        m_batches.push_back(batch);
        if (code == kDownloadFailed || code == kNotInstalled || code == kInstalled)
            ReleaseSerialSemaphore();
        if (code == kBatchFinished) {
            StopUpdateThreads();
            m_finished = true;
        }
    }

    HWND m_window = nullptr;
    std::vector<std::string> m_reports;
    std::vector<uint16_t> m_batches;
    std::map<int32_t, std::vector<uint32_t>> m_percents;
    bool m_finished = false;
};

// Every worker of the batch has ended (a thread id that no longer opens has ended long ago).
void ExpectEnded(const UpdateThreadIds& workers)
{
    for (const DWORD id : {workers.Serial, workers.Download, workers.Unpack}) {
        const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id);
        if (thread) {
            EXPECT_EQ(WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << id;
            CloseHandle(thread);
        }
    }
    const UpdateThreadIds after = RunningUpdateThreads();
    EXPECT_EQ(after.Serial + after.Download + after.Unpack, 0u);
}

class UpdatePipelineTest : public ::testing::Test {
protected:
    UpdatePipelineTest()
    {
        fs::copy_file(BuildProgramFolder() / "7za.exe", m_program / "7za.exe");
        ResSetAppDir(m_program.Path().wstring() + L"\\");
        WebServerAddress& server = WebServerHost();
        server.Host = L"127.0.0.1";
        server.Port = m_server.Port();
        server.SiteFolderPrefix = L"D:\\WebSite\\";
        server.WebRoot = L"http://127.0.0.1:" + std::to_wstring(m_server.Port()) + L"/";
        server.TimeoutMs = 2000;
        SetProgressWindow(m_receiver.Window());
    }
    ~UpdatePipelineTest() override
    {
        StopUpdateThreads();
        SetProgressWindow(nullptr);
        WebServerHost() = WebServerAddress();
    }

    // Serves a 7z package for the region, software and language (one file inside it) as `name`;
    // `padding` bytes of noise, stored as they are, make its download take a while.
    void ServePackage(const std::string& code, const std::string& name, size_t padding = 0) const
    {
        const fs::path stage = m_site / ("stage-" + code);
        fs::create_directories(stage / "SCAN" / "EUROPE" / code / "EN");
        std::ofstream(stage / "SCAN" / "EUROPE" / code / "EN" / "Diag.txt") << code;
        if (padding > 0) {
            std::string noise(padding, '\0');
            uint32_t seed = 12345;
            for (char& c : noise)
                c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
            std::ofstream(stage / "SCAN" / "EUROPE" / code / "Noise.bin", std::ios::binary) << noise;
        }
        fs::create_directories(m_site / "pkg" / "EUROPE");
        const fs::path archive = m_site / "pkg" / "EUROPE" / name;
        const std::wstring arguments = L"a -t7z -mx0 \"" + archive.wstring() + L"\" \"" + stage.wstring() + L"\\*\"";
        ASSERT_EQ(RunSiblingProgram(L"7za.exe", arguments), 0);
        fs::remove_all(stage);
    }

    UpdateJob Job(int32_t jobId, const std::string& code, const std::wstring& fileName) const
    {
        UpdateJob job;
        job.JobId = jobId;
        job.Record.MainPath = L"D:\\WebSite\\pkg\\";
        job.Record.FullPathFileName = L"EUROPE\\" + fileName;
        job.Record.Region = L"EUROPE";
        job.Record.SoftwareCode = std::wstring(code.begin(), code.end());
        job.Record.LanguageCode = L"EN";
        job.Record.SoftwareUploadid = L"1" + std::to_wstring(jobId);
        job.Record.Version = L"V1.00";
        return job;
    }

    fs::path Installed(const std::string& code) const
    {
        return m_program / "SCAN" / "EUROPE" / code / "EN" / "Diag.txt";
    }
    fs::path Downloaded(const std::string& name) const { return m_program / "download" / name; }

    size_t RequestsFor(const std::string& name) const
    {
        const std::string log = m_server.RequestLog();
        size_t count = 0;
        for (size_t at = log.find(name); at != std::string::npos; at = log.find(name, at + 1))
            ++count;
        return count;
    }

    CTempFolder m_program;
    CTempFolder m_site;
    CLoopbackWebServer m_server{m_site.Path()};
    CReceiver m_receiver;
};

TEST_F(UpdatePipelineTest, BatchOfTwoIsDownloadedAndUnpackedOneAfterTheOther)
{
    ServePackage("ALPHA", "ALPHA.7z");
    ServePackage("BETA", "BETA.7z");
    TheUpdateJobList() = {Job(5, "ALPHA", L"ALPHA.7z"), Job(6, "BETA", L"BETA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    const std::vector<std::string> expected = {
        "100:200:5", "100:203:5", "101:205:5", "101:206:5", "101:208:5",
        "100:200:6", "100:203:6", "101:205:6", "101:206:6", "101:208:6", "101:209:6"};
    EXPECT_EQ(m_receiver.Reports(), expected);
    EXPECT_EQ(ReadFileBytes(Installed("ALPHA")), "ALPHA");
    EXPECT_EQ(ReadFileBytes(Installed("BETA")), "BETA");
    EXPECT_FALSE(fs::exists(Downloaded("ALPHA.7z")));  // the archive goes once unpacked
    EXPECT_TRUE(GetFileAttributesW((m_program / "download").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    for (const int32_t job : {5, 6}) {
        const auto& percents = m_receiver.Percents().at(job);
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << job;
        EXPECT_EQ(std::adjacent_find(percents.begin(), percents.end()), percents.end()) << "each percent once";
        EXPECT_EQ(percents.back(), 100u) << job;
    }
    const UpdateThreadIds ids = RunningUpdateThreads();
    EXPECT_EQ(ids.Serial + ids.Download + ids.Unpack, 0u);  // the receiver stopped the batch on 209
}

TEST_F(UpdatePipelineTest, FailedDownloadIsTriedTenTimesAndTheBatchGoesOn)
{
    ServePackage("BETA", "BETA.7z");
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z"), Job(2, "BETA", L"BETA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:202", "101:205", "101:207"}));
    EXPECT_EQ(m_receiver.ReportsOf(2),
              (std::vector<std::string>{"100:200", "100:203", "101:205", "101:206", "101:208", "101:209"}));
    EXPECT_EQ(m_receiver.Reports().back(), "101:209:2");
    EXPECT_EQ(RequestsFor("ALPHA.7z"), 10u);
    EXPECT_FALSE(fs::exists(Installed("ALPHA")));
    EXPECT_TRUE(fs::exists(Installed("BETA")));
}

TEST_F(UpdatePipelineTest, ArchiveLeftFromAnEarlierRunIsNotUnpackedForAFailedDownload)
{
    ServePackage("ALPHA", "ALPHA.7z");
    fs::create_directories(m_program / "download");
    fs::copy_file(m_site / "pkg" / "EUROPE" / "ALPHA.7z", Downloaded("ALPHA.7z"));
    fs::remove(m_site / "pkg" / "EUROPE" / "ALPHA.7z");
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:202", "101:205", "101:207", "101:209"}));
    EXPECT_FALSE(fs::exists(Installed("ALPHA")));
}

TEST_F(UpdatePipelineTest, PausedBatchHoldsBetweenJobsAndGoesOnWhenResumed)
{
    ServePackage("ALPHA", "ALPHA.7z");
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    SuspendUpdateThreads();
    EXPECT_TRUE(UpdateThreadsPaused());
    EXPECT_FALSE(m_receiver.PumpUntil([&] { return !m_receiver.Reports().empty(); }, 1500));

    ResumeUpdateThreads();
    EXPECT_FALSE(UpdateThreadsPaused());
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));
    EXPECT_TRUE(fs::exists(Installed("ALPHA")));
}

TEST_F(UpdatePipelineTest, PausedDownloadHoldsMidwayAndCompletesWhenResumed)
{
    ServePackage("ALPHA", "ALPHA.7z", 3 * 1024 * 1024);
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Percents().count(1) > 0; }));
    SuspendUpdateThreads();
    m_receiver.PumpUntil([] { return false; }, 300);  // a piece on its way may still report
    const size_t heldAt = m_receiver.Percents().at(1).size();
    m_receiver.PumpUntil([] { return false; }, 1000);
    EXPECT_EQ(m_receiver.Percents().at(1).size(), heldAt);
    EXPECT_LT(m_receiver.Percents().at(1).back(), 100u);

    ResumeUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));
    EXPECT_EQ(m_receiver.Percents().at(1).back(), 100u);
    EXPECT_TRUE(fs::exists(Installed("ALPHA")));
}

TEST_F(UpdatePipelineTest, PackagesThatAreNotSevenZipNamesStayUnpacked)
{
    ServePackage("ALPHA", "ALPHA.7Z");
    TheUpdateJobList() = {Job(3, "ALPHA", L"ALPHA.7Z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_EQ(m_receiver.ReportsOf(3), (Reports{"100:200", "100:203", "101:205", "101:207", "101:209"}));
    EXPECT_TRUE(fs::exists(Downloaded("ALPHA.7Z")));
    EXPECT_FALSE(fs::exists(Installed("ALPHA")));
}

TEST_F(UpdatePipelineTest, ServerNameThatWouldLeaveTheDownloadFolderIsNotFetched)
{
    TheUpdateJobList() = {Job(4, "ALPHA", L"..")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_EQ(m_receiver.ReportsOf(4), (Reports{"100:200", "100:202", "101:205", "101:207", "101:209"}));
    EXPECT_EQ(RequestsFor("GET"), 0u);
}

// A server that answers without a length and never stops sending: each try ends at the bound, the
// job fails as a download does, and nothing of it stays in the download folder.
TEST_F(UpdatePipelineTest, ADownloadBeyondTheBoundFailsEveryTryAndLeavesNothing)
{
    m_site.Write("pkg/EUROPE/ALPHA.7z.endless", std::string(64 * 1024, 'e'));
    WebServerHost().MaxDownloadBytes = 512 * 1024;
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:202", "101:205", "101:207", "101:209"}));
    EXPECT_EQ(RequestsFor("ALPHA.7z"), 10u);
    EXPECT_TRUE(fs::is_empty(m_program / "download"));
}

// The server's records start MainPath with its site folder, which "Config.xml" may name: the
// packages of a server whose folder is not the built-in one come when it is named, and only then.
struct SITE_FOLDER_CASE {
    const char* name;
    const wchar_t* configured;  // SITEFOLDER
    const wchar_t* mainPath;    // the record's
    bool installed;
};

void PrintTo(const SITE_FOLDER_CASE& c, std::ostream* out)
{
    *out << c.name;
}

class SiteFolderPipelineTest : public UpdatePipelineTest, public ::testing::WithParamInterface<SITE_FOLDER_CASE> {};

TEST_P(SiteFolderPipelineTest, RecordsOfTheConfiguredFolderAreDownloaded)
{
    const SITE_FOLDER_CASE& c = GetParam();
    ServePackage("ALPHA", "ALPHA.7z");
    WebServerHost() = WebServerAddressFrom(L"127.0.0.1", std::to_wstring(m_server.Port()), c.configured);
    UpdateJob job = Job(1, "ALPHA", L"ALPHA.7z");
    job.Record.MainPath = c.mainPath;
    TheUpdateJobList() = {job};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    if (c.installed) {
        EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:203", "101:205", "101:206", "101:208", "101:209"}));
        EXPECT_EQ(ReadFileBytes(Installed("ALPHA")), "ALPHA");
    } else {
        EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:202", "101:205", "101:207", "101:209"}));
        EXPECT_EQ(RequestsFor("GET"), 0u) << "the record's path is no address of the server";
        EXPECT_FALSE(fs::exists(Installed("ALPHA")));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SiteFolderPipelineTest, ::testing::Values(
    SITE_FOLDER_CASE{"another folder, named", L"E:\\Depot\\", L"E:\\Depot\\pkg\\", true},
    SITE_FOLDER_CASE{"another folder, named without its closing backslash", L"E:\\Depot", L"E:\\Depot\\pkg\\", true},
    SITE_FOLDER_CASE{"the built-in folder, none named", L"", L"D:\\WebSite\\pkg\\", true},
    SITE_FOLDER_CASE{"another folder, none named", L"", L"E:\\Depot\\pkg\\", false},
    SITE_FOLDER_CASE{"a relative folder named", L"Depot\\", L"Depot\\pkg\\", false}));

TEST_F(UpdatePipelineTest, StopInTheMiddleOfADownloadEndsEveryWorker)
{
    m_site.Write("pkg/EUROPE/ALPHA.7z.stall", std::string(8192, 's'));
    TheUpdateJobList() = {Job(7, "ALPHA", L"ALPHA.7z"), Job(8, "BETA", L"BETA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Percents().count(7) > 0; }));

    const UpdateThreadIds running = RunningUpdateThreads();
    ASSERT_NE(running.Download, 0u);
    StopUpdateThreads();

    ExpectEnded(running);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, m_receiver.Window(), kDownloadMessage, kUnpackMessage, PM_NOREMOVE));
    EXPECT_EQ(m_receiver.ReportsOf(8), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(Downloaded("ALPHA.7z")));  // a broken download never stands as the file
}

TEST_F(UpdatePipelineTest, StopWhileJobsWaitForTheirTurnEndsEveryWorker)
{
    ServePackage("ALPHA", "ALPHA.7z");
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z"), Job(2, "ALPHA", L"ALPHA.7z"), Job(3, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    // Waiting for the first download only: the receiver hands it on, but the others wait their turn.
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.ReportsOf(1).size() >= 2; }));
    const UpdateThreadIds running = RunningUpdateThreads();
    StopUpdateThreads();
    ExpectEnded(running);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, m_receiver.Window(), kDownloadMessage, kUnpackMessage, PM_NOREMOVE));
}

TEST_F(UpdatePipelineTest, StopOfAPausedBatchEndsEveryWorker)
{
    m_site.Write("pkg/EUROPE/ALPHA.7z.stall", std::string(8192, 's'));
    TheUpdateJobList() = {Job(7, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Percents().count(7) > 0; }));
    SuspendUpdateThreads();
    SuspendUpdateThreads();
    const UpdateThreadIds running = RunningUpdateThreads();
    StopUpdateThreads();

    ExpectEnded(running);
}

// Another window that becomes the progress window while a batch runs (the store, shown during the
// update page's download) starts the next batch; this one's reports still go to the window that
// started it, each carrying the batch's number, and the other window sees none of them.
TEST_F(UpdatePipelineTest, ReportsGoToTheWindowThatStartedTheBatch)
{
    ServePackage("ALPHA", "ALPHA.7z");
    CReceiver other;
    TheUpdateJobList() = {Job(1, "ALPHA", L"ALPHA.7z")};
    StartUpdateThreads();
    const uint16_t batch = UpdateBatchNumber();
    SetProgressWindow(other.Window());
    ASSERT_TRUE(m_receiver.PumpUntil([&] { return m_receiver.Finished(); }));

    EXPECT_NE(batch, 0);
    EXPECT_EQ(m_receiver.ReportsOf(1), (Reports{"100:200", "100:203", "101:205", "101:206", "101:208", "101:209"}));
    EXPECT_TRUE(other.Reports().empty());
    EXPECT_TRUE(other.Percents().empty());
    EXPECT_EQ(m_receiver.Batches(), std::vector<uint16_t>(m_receiver.Reports().size(), batch));
}

}  // namespace
