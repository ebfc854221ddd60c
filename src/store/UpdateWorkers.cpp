#include <memory>
#include <mutex>
#include <optional>

#include "BindCBHttpCallback.h"
#include "InternetDownload.h"
#include "InternetHandle.h"
#include "ScopedWin.h"
#include "UpdateBatch.h"
#include "UpdateMessages.h"
#include "UpdateRules.h"
#include "UpdateThreads.h"
#include "WebServerHost.h"

using namespace update_messages;
using update_blocks::Block;

namespace {

constexpr int kDownloadTries = 10;
constexpr size_t kCommandLineChars = 1000;
constexpr DWORD kShortPathChars = 256;

bool IsStopped(const UpdateBatch& batch)
{
    return WaitForSingleObject(batch.StopEvent, 0) == WAIT_OBJECT_0;
}

// Sleeps, but wakes at once when the batch is stopped.
void Pause(const UpdateBatch& batch, DWORD ms)
{
    WaitForSingleObject(batch.StopEvent, ms);
}

// Waits for the object; false when the batch is stopped first.
bool WaitUnlessStopped(const UpdateBatch& batch, HANDLE object)
{
    const HANDLE handles[] = {batch.StopEvent, object};
    return WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}

// Holds the worker while the batch is paused; false when the batch is stopped.
bool WaitWhilePaused(const UpdateBatch& batch)
{
    return WaitUnlessStopped(batch, batch.RunEvent) && !IsStopped(batch);
}

// The next thread message; false when the batch is stopped.
bool NextThreadMessage(const UpdateBatch& batch, MSG& message)
{
    for (;;) {
        if (IsStopped(batch))
            return false;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            return true;
        MsgWaitForMultipleObjectsEx(1, &batch.StopEvent, INFINITE, QS_POSTMESSAGE, MWMO_INPUTAVAILABLE);
    }
}

std::unique_ptr<Block> TakeBlock(const MSG& message)
{
    return std::unique_ptr<Block>(reinterpret_cast<Block*>(message.wParam));
}

// Blocks still queued when a worker ends are freed, not lost.
void FreeQueuedBlocks()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == kThreadJob || message.message == kThreadResult)
            TakeBlock(message);
    }
}

void Report(const UpdateBatch& batch, unsigned message, unsigned code, LPARAM parameter)
{
    PostMessageW(batch.Owner, message, ReportParameter(code, batch.Number), parameter);
}

void ReportBlock(const UpdateBatch& batch, unsigned code, std::unique_ptr<Block> block)
{
    if (PostMessageW(batch.Owner, kDownloadMessage, ReportParameter(code, batch.Number),
                     reinterpret_cast<LPARAM>(block.get())))
        block.release();
}

bool PassOn(DWORD threadId, unsigned message, std::unique_ptr<Block> block)
{
    if (!PostThreadMessageW(threadId, message, reinterpret_cast<WPARAM>(block.get()), 0))
        return false;
    block.release();
    return true;
}

bool Download(const UpdateBatch& batch, HINTERNET session, const update_blocks::DownloadJobFields& job)
{
    if (job.LocalFile.empty() || !session)
        return false;
    const WebServerAddress& server = WebServerHost();
    const std::wstring url =
        update_rules::DownloadUrl(job.ServerFolder, job.ServerFile, server.SiteFolderPrefix, server.WebRoot);
    CBindCBHttpCallback progress(batch.Owner, job.JobId, batch.StopEvent, batch.RunEvent, batch.Number);
    for (int attempt = 0; attempt < kDownloadTries && !IsStopped(batch); ++attempt) {
        DeleteUrlCacheEntryW(url.c_str());
        if (DownloadUrlToFile(session, url, job.LocalFile, batch.StopEvent, server.TimeoutMs, &progress,
                              server.MaxDownloadBytes))
            return true;
    }
    return false;
}

void DownloadOne(UpdateBatch& batch, HINTERNET session, const update_blocks::DownloadJobFields& job)
{
    Report(batch, kDownloadMessage, kDownloadBegins, job.JobId);
    const bool downloaded = Download(batch, session, job);
    if (auto result = update_blocks::PackDownloadResult(update_rules::ResultFieldsFor(job, downloaded)))
        ReportBlock(batch, downloaded ? kDownloaded : kDownloadFailed, std::make_unique<Block>(*result));
}

std::wstring ShortPathOf(const std::wstring& path)
{
    wchar_t buffer[kShortPathChars] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), buffer, kShortPathChars);
    return length > 0 && length < kShortPathChars ? std::wstring(buffer, length) : path;
}

// The archiver's process, or nothing when it could not be started.
CScopedHandle StartArchiver(const std::wstring& programFolder, const std::wstring& archive)
{
    std::wstring commandLine = update_rules::ArchiverCommandLine(ShortPathOf(programFolder), ShortPathOf(archive));
    if (commandLine.size() >= kCommandLineChars)
        return {};
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    CloseHandle(process.hThread);
    return CScopedHandle(process.hProcess);
}

// The archiver's process, or nothing once the batch is being stopped: the program may be closing.
CScopedHandle StartArchiverUnlessStopped(UpdateBatch& batch, const std::wstring& archive)
{
    const std::lock_guard<std::mutex> noStopMeanwhile(batch.ArchiverStart);
    if (IsStopped(batch))
        return {};
    return StartArchiver(batch.ProgramFolder, archive);
}

// Runs the archiver on the download; true when it was started. A stop leaves a started archiver
// to finish on its own.
bool Unpack(UpdateBatch& batch, const update_blocks::DownloadResultFields& result)
{
    if (result.LocalFile.empty() || !update_rules::IsSevenZipArchive(result.LocalFile))
        return false;
    const CScopedHandle archiver = StartArchiverUnlessStopped(batch, result.LocalFile);
    if (!archiver)
        return false;
    Report(batch, kUnpackMessage, kArchiverStarted, result.JobId);
    if (WaitUnlessStopped(batch, archiver.Get()))
        DeleteFileW(result.LocalFile.c_str());
    return true;
}

void UnpackOne(UpdateBatch& batch, const update_blocks::DownloadResultFields& result)
{
    Report(batch, kUnpackMessage, kUnpackBegins, result.JobId);
    Pause(batch, 50);
    // A failed download never reaches the archiver: an archive left by an earlier run is not this
    // job's package.
    const bool started = result.Downloaded == 1 && Unpack(batch, result);
    if (IsStopped(batch))
        return;
    Sleep(1);
    const auto packageFolder = update_rules::PackageFolderFor(batch.ProgramFolder, result);
    const bool installed = started && packageFolder && FolderExists(*packageFolder);
    Report(batch, kUnpackMessage, installed ? kInstalled : kNotInstalled, result.JobId);
    if (result.LastJob == 1)
        Report(batch, kUnpackMessage, kBatchFinished, result.JobId);
}

// The loop of the download and the unpack worker: one job at a time through the stage's gate; on
// thread message 1 the stage reports its end with the last job it handled.
template <typename HandleJob>
void RunStage(UpdateBatch& batch, unsigned reportMessage, unsigned jobMessage, HANDLE gate, HandleJob handleJob)
{
    int32_t lastJobId = 0;
    MSG message;
    while (NextThreadMessage(batch, message)) {
        if (message.message == kThreadEnd) {
            Report(batch, reportMessage, kWorkerEnds, lastJobId);
            break;
        }
        if (message.message != jobMessage)
            continue;
        const auto block = TakeBlock(message);
        if (!WaitWhilePaused(batch) || !WaitUnlessStopped(batch, gate))
            break;
        if (const std::optional<int32_t> jobId = handleJob(*block))
            lastJobId = *jobId;
        ReleaseSemaphore(gate, 1, nullptr);
        Pause(batch, 10);
    }
    FreeQueuedBlocks();
}

}  // namespace

DWORD WINAPI SerialThreadProc(LPVOID parameter)
{
    auto& batch = *static_cast<UpdateBatch*>(parameter);
    MSG message;
    while (NextThreadMessage(batch, message) && message.message != kThreadEnd) {
        if (message.message != kThreadJob)
            continue;
        auto job = TakeBlock(message);
        if (!WaitUnlessStopped(batch, batch.SerialSemaphore) || !WaitWhilePaused(batch))
            break;
        PassOn(batch.DownloadThreadId, kThreadJob, std::move(job));
    }
    FreeQueuedBlocks();
    return 0;
}

DWORD WINAPI DownloadThreadProc(LPVOID parameter)
{
    auto& batch = *static_cast<UpdateBatch*>(parameter);
    const CInternetHandle session(InternetOpenW(nullptr, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (session)
        SetInternetTimeouts(session.Get(), WebServerHost().TimeoutMs);
    RunStage(batch, kDownloadMessage, kThreadJob, batch.DownloadSemaphore, [&](const Block& block) {
        const auto job = update_blocks::ReadDownloadJob(block);
        if (job)
            DownloadOne(batch, session.Get(), *job);
        return job ? std::optional(job->JobId) : std::nullopt;
    });
    return 0;
}

DWORD WINAPI UnpackThreadProc(LPVOID parameter)
{
    auto& batch = *static_cast<UpdateBatch*>(parameter);
    RunStage(batch, kUnpackMessage, kThreadResult, batch.UpdateSemaphore, [&](const Block& block) {
        const auto result = update_blocks::ReadDownloadResult(block);
        if (result)
            UnpackOne(batch, *result);
        return result ? std::optional(result->JobId) : std::nullopt;
    });
    return 0;
}
