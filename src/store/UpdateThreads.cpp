#include "UpdateThreads.h"

#include <array>
#include <atomic>
#include <memory>
#include <mutex>

#include "ProcessValues.h"
#include "ScopedWin.h"
#include "UpdateBatch.h"
#include "UpdateMessages.h"
#include "UpdateRules.h"

using namespace update_messages;

namespace {

// A worker must end this long after the stop; one that does not is ended by force.
constexpr DWORD kWorkerStopMs = 30000;
constexpr DWORD kWorkerStartMs = 5000;

struct Worker {
    DWORD Id = 0;
    CScopedHandle Thread;
};

// Written only on the user-interface thread.
struct PipelineState {
    Worker Serial, Download, Unpack;
    CScopedHandle SerialSemaphore, DownloadSemaphore, UpdateSemaphore, StopEvent, RunEvent;
    std::unique_ptr<UpdateBatch> Batch;
    HWND Owner = nullptr;
    uint16_t Number = 0;
    uint16_t LastNumber = 0;  // of the batch started last, running or not
};

PipelineState& State()
{
    static PipelineState state;
    return state;
}

std::atomic<HWND> g_progressWindow = nullptr;

struct StartArguments {
    LPTHREAD_START_ROUTINE Procedure;
    UpdateBatch* Batch;
    CScopedHandle QueueReady;
};

// Makes the thread's message queue before telling the starter, so nothing posted right after the
// start is lost.
DWORD WINAPI WorkerEntry(LPVOID parameter)
{
    const std::unique_ptr<StartArguments> arguments(static_cast<StartArguments*>(parameter));
    MSG message;
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
    SetEvent(arguments->QueueReady.Get());
    return arguments->Procedure(arguments->Batch);
}

Worker StartWorker(LPTHREAD_START_ROUTINE procedure, UpdateBatch& batch)
{
    // The thread owns its arguments and its own handle of the event, so a slow start never leaves
    // it reading what the starter has already freed.
    const CScopedHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE threadsReady = nullptr;
    DuplicateHandle(GetCurrentProcess(), ready.Get(), GetCurrentProcess(), &threadsReady, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    auto arguments = std::make_unique<StartArguments>(StartArguments{procedure, &batch, CScopedHandle(threadsReady)});
    Worker worker;
    worker.Thread.Reset(CreateThread(nullptr, 0, WorkerEntry, arguments.get(), 0, &worker.Id));
    if (!worker.Thread) {
        worker.Id = 0;
        return worker;
    }
    arguments.release();
    const HANDLE handles[] = {ready.Get(), worker.Thread.Get()};
    WaitForMultipleObjects(2, handles, FALSE, kWorkerStartMs);
    return worker;
}

// Waits for the thread's end while answering messages sent to this thread's windows: a download
// may be sending its progress at this moment.
bool WaitForEnd(HANDLE thread, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD result = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result != WAIT_OBJECT_0 + 1)
            return false;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void EndWorker(Worker& worker)
{
    if (worker.Id == 0)
        return;
    if (!WaitForEnd(worker.Thread.Get(), kWorkerStopMs)) {
        // Only a worker stuck inside a system call gets here.
        TerminateThread(worker.Thread.Get(), 0);
        WaitForSingleObject(worker.Thread.Get(), kWorkerStopMs);
    }
    worker.Id = 0;
    worker.Thread.Reset();
}

void FreeReportBlock(UINT message, WPARAM report, LPARAM parameter)
{
    const unsigned code = ReportCode(report);
    if (message == kDownloadMessage && (code == kDownloadFailed || code == kDownloaded))
        delete reinterpret_cast<update_blocks::Block*>(parameter);
}

uint16_t NextBatchNumber(uint16_t last)
{
    return last == UINT16_MAX ? 1 : static_cast<uint16_t>(last + 1);
}

// Reports of the ended batch that still wait in the queue are dropped, with the blocks they carry.
void DropQueuedReports(HWND window)
{
    if (!window)
        return;
    MSG message;
    bool quit = false;
    int quitCode = 0;
    while (PeekMessageW(&message, window, kDownloadMessage, kUnpackMessage, PM_REMOVE)) {
        // A peek takes the end of the message loop whatever its filter: a stop during the exit
        // must hand it back.
        if (message.message == WM_QUIT) {
            quit = true;
            quitCode = static_cast<int>(message.wParam);
            continue;
        }
        FreeReportBlock(message.message, message.wParam, message.lParam);
    }
    if (quit)
        PostQuitMessage(quitCode);
}

std::wstring DownloadFolder()
{
    return ResGetAppDir() + L"\\download";
}

void MakeDownloadFolder()
{
    const std::wstring folder = DownloadFolder();
    if (FolderExists(folder))
        return;
    CreateDirectoryW(folder.c_str(), nullptr);
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

HANDLE CreateGate(const wchar_t* name)
{
    return CreateSemaphoreW(nullptr, 1, 1, name);
}

void PostJobs(const PipelineState& state)
{
    const UpdateJobList& jobs = TheUpdateJobList();
    const std::wstring folder = DownloadFolder();
    for (size_t i = 0; i < jobs.size(); ++i) {
        const bool last = i + 1 == jobs.size();
        auto block = std::make_unique<update_blocks::Block>(update_rules::JobBlockFor(jobs[i], folder, last));
        if (PostThreadMessageW(state.Serial.Id, kThreadJob, reinterpret_cast<WPARAM>(block.get()), 0))
            block.release();
    }
}

}  // namespace

HWND CurrentProgressWindow()
{
    return g_progressWindow.load();
}

UpdateJobList& TheUpdateJobList()
{
    static UpdateJobList jobs;
    return jobs;
}

void SetProgressWindow(HWND window)
{
    g_progressWindow = window;
}

bool FolderExists(const std::wstring& path)
{
    std::wstring trimmed = path;
    while (trimmed.size() > 3 && (trimmed.back() == L'\\' || trimmed.back() == L'/'))
        trimmed.pop_back();
    const DWORD attributes = GetFileAttributesW(trimmed.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void StartUpdateThreads()
{
    const HWND previousOwner = State().Batch ? State().Owner : nullptr;
    const uint16_t previousNumber = State().Number;
    StopUpdateThreads();
    if (previousOwner && previousOwner != CurrentProgressWindow())
        PostMessageW(previousOwner, kUnpackMessage, ReportParameter(kBatchReplaced, previousNumber), 0);
    PipelineState& state = State();
    state.Owner = CurrentProgressWindow();
    state.Number = state.LastNumber = NextBatchNumber(state.LastNumber);
    state.StopEvent.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    state.RunEvent.Reset(CreateEventW(nullptr, TRUE, TRUE, nullptr));
    state.SerialSemaphore.Reset(CreateGate(L"SerialSemaphore"));
    state.DownloadSemaphore.Reset(CreateGate(L"DownloadSemaphore"));
    state.UpdateSemaphore.Reset(CreateGate(L"UpdateSemaphore"));
    state.Batch = std::make_unique<UpdateBatch>();
    UpdateBatch& batch = *state.Batch;
    batch.StopEvent = state.StopEvent.Get();
    batch.RunEvent = state.RunEvent.Get();
    batch.SerialSemaphore = state.SerialSemaphore.Get();
    batch.DownloadSemaphore = state.DownloadSemaphore.Get();
    batch.UpdateSemaphore = state.UpdateSemaphore.Get();
    batch.ProgramFolder = ResGetAppDir();
    batch.Owner = state.Owner;
    batch.Number = state.Number;
    state.Download = StartWorker(DownloadThreadProc, batch);
    batch.DownloadThreadId = state.Download.Id;
    state.Unpack = StartWorker(UnpackThreadProc, batch);
    state.Serial = StartWorker(SerialThreadProc, batch);
    MakeDownloadFolder();
    PostJobs(state);
}

void StopUpdateThreads()
{
    PipelineState& state = State();
    if (state.Batch) {
        const std::lock_guard<std::mutex> noArchiverAfterThis(state.Batch->ArchiverStart);
        SetEvent(state.StopEvent.Get());
    }
    EndWorker(state.Unpack);
    EndWorker(state.Download);
    EndWorker(state.Serial);
    state.SerialSemaphore.Reset();
    state.DownloadSemaphore.Reset();
    state.UpdateSemaphore.Reset();
    state.StopEvent.Reset();
    state.RunEvent.Reset();
    state.Batch.reset();
    DropQueuedReports(state.Owner);
    if (state.Owner != CurrentProgressWindow())
        DropQueuedReports(CurrentProgressWindow());
    state.Owner = nullptr;
    state.Number = 0;
}

void StopUpdateThreadsOwnedBy(HWND owner)
{
    if (State().Batch && State().Owner == owner)
        StopUpdateThreads();
}

bool UpdateBatchExists()
{
    return State().Batch != nullptr;
}

HWND UpdateBatchOwner()
{
    return State().Owner;
}

uint16_t UpdateBatchNumber()
{
    return State().Number;
}

bool AcceptReport(UINT message, WPARAM report, LPARAM parameter, uint16_t startedBatch)
{
    const uint16_t batch = ReportBatch(report);
    const bool running = batch != 0 && batch == State().Number;
    const bool replaced = message == kUnpackMessage && ReportCode(report) == kBatchReplaced;
    if (batch == startedBatch && (running || replaced))
        return true;
    FreeReportBlock(message, report, parameter);
    return false;
}

// Pausing never suspends a thread: one suspended inside the heap or the internet library would
// freeze the program. The workers hold at their next safe point instead.
void SuspendUpdateThreads()
{
    if (State().RunEvent)
        ResetEvent(State().RunEvent.Get());
}

void ResumeUpdateThreads()
{
    if (State().RunEvent)
        SetEvent(State().RunEvent.Get());
}

bool UpdateThreadsPaused()
{
    const HANDLE run = State().RunEvent.Get();
    return run && WaitForSingleObject(run, 0) != WAIT_OBJECT_0;
}

void PassDownloadResultToUnpack(LPARAM downloadResult)
{
    auto* block = reinterpret_cast<update_blocks::Block*>(downloadResult);
    const DWORD unpack = State().Unpack.Id;
    if (!unpack || !PostThreadMessageW(unpack, kThreadResult, reinterpret_cast<WPARAM>(block), 0))
        delete block;
}

void ReleaseSerialSemaphore()
{
    if (State().SerialSemaphore)
        ReleaseSemaphore(State().SerialSemaphore.Get(), 1, nullptr);
}

UpdateThreadIds RunningUpdateThreads()
{
    const PipelineState& state = State();
    return {state.Serial.Id, state.Download.Id, state.Unpack.Id};
}
