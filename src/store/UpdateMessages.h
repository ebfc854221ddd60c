#pragma once
// The messages of the download pipeline: window messages to the window that started the batch
// (wParam the code and the batch) and thread messages between its workers (wParam the block).
#include <cstdint>

namespace update_messages {

constexpr unsigned kDownloadMessage = 100;
constexpr unsigned kUnpackMessage = 101;

constexpr unsigned kDownloadBegins = 200;
constexpr unsigned kProgress = 201;           // lParam: the 128-byte progress block, valid during the send
constexpr unsigned kDownloadFailed = 202;     // lParam: the DownloadResult block
constexpr unsigned kDownloaded = 203;         // lParam: the DownloadResult block
constexpr unsigned kWorkerEnds = 204;
constexpr unsigned kUnpackBegins = 205;
constexpr unsigned kArchiverStarted = 206;
constexpr unsigned kNotInstalled = 207;
constexpr unsigned kInstalled = 208;
constexpr unsigned kBatchFinished = 209;
// To the window whose batch another window's StartUpdateThreads ended: its batch is gone, with no
// 209 to come.
constexpr unsigned kBatchReplaced = 210;

// A report's wParam: the code in its low 16 bits, the batch it belongs to in the 16 above, so a
// window can tell the reports of its own batch from those of one that has ended. Batch numbers
// are never 0.
constexpr uintptr_t ReportParameter(unsigned code, uint16_t batch)
{
    return static_cast<uintptr_t>(code & 0xFFFFu) | (static_cast<uintptr_t>(batch) << 16);
}
constexpr unsigned ReportCode(uintptr_t parameter)
{
    return static_cast<unsigned>(parameter & 0xFFFFu);
}
constexpr uint16_t ReportBatch(uintptr_t parameter)
{
    return static_cast<uint16_t>((parameter >> 16) & 0xFFFFu);
}

constexpr unsigned kThreadEnd = 1;
constexpr unsigned kThreadJob = 2;
constexpr unsigned kThreadResult = 3;

}  // namespace update_messages
