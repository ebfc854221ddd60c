#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "UpdateJob.h"

// The download pipeline: a serial, a download and an unpack thread carry the jobs of
// UpdateJobList one at a time through download and unpack, reporting to the progress window with
// messages 100 and 101 (UpdateMessages.h). Everything here is called on the user-interface thread
// that owns the progress window.

// The jobs of the next batch; the caller fills it, StartUpdateThreads reads it.
UpdateJobList& TheUpdateJobList();

// The window that starts the next batch: it receives every report of that batch.
void SetProgressWindow(HWND window);
// Ends a running batch and starts one from UpdateJobList, owned by the current progress window. When
// the batch ended belonged to another window, that window is told with message 101, code 210.
void StartUpdateThreads();
// Ends every worker (cooperatively, within a bound) and closes the semaphores. When it returns no
// worker of the batch runs, no archiver of it starts any more, and no report of it waits in the
// queue of the window that started it.
void StopUpdateThreads();
// Stops the batch only when `owner` started it (a window going away must not end another's batch).
void StopUpdateThreadsOwnedBy(HWND owner);
// Whether a batch exists (running or paused), the window that started it, and its number (0 when
// none), which every report of the batch carries (update_messages::ReportBatch).
bool UpdateBatchExists();
HWND UpdateBatchOwner();
uint16_t UpdateBatchNumber();
// Whether a report (message 100 or 101) belongs to the batch numbered `startedBatch`, which the
// receiving window started, and is still to be acted on: that batch still runs, or the report is
// the news that another window's batch replaced it. Any other report is dropped here, and the block
// it carries freed.
bool AcceptReport(UINT message, WPARAM report, LPARAM parameter, uint16_t startedBatch);
// Pause and resume of the running batch: its workers hold between jobs and between pieces of a
// download until resumed (or stopped).
void SuspendUpdateThreads();
void ResumeUpdateThreads();
bool UpdateThreadsPaused();

// What a receiver of the messages must do to move the batch on: hand the block of codes 202 and 203
// to the unpack thread, and release "SerialSemaphore" on codes 202, 207 and 208.
void PassDownloadResultToUnpack(LPARAM downloadResult);
void ReleaseSerialSemaphore();

bool FolderExists(const std::wstring& path);

// The ids of the running workers (serial, download, unpack), zero when not running.
struct UpdateThreadIds {
    DWORD Serial = 0;
    DWORD Download = 0;
    DWORD Unpack = 0;
};
UpdateThreadIds RunningUpdateThreads();
