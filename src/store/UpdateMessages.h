#pragma once
// The messages of the download pipeline: window messages to the progress window (wParam the code)
// and thread messages between its workers (wParam the block).
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

constexpr unsigned kThreadEnd = 1;
constexpr unsigned kThreadJob = 2;
constexpr unsigned kThreadResult = 3;

}  // namespace update_messages
