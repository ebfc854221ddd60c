#pragma once
// The program folder's "download\" folder, where packages wait to be unpacked or opened. The exit
// empties it, except for an update package the program has just opened: its installer may still be
// reading it when the program ends, so it stays until the next start removes it.
//
// Nothing prevents a second copy of the program from running from the same folder, and the folder
// is shared: a copy empties it only when no other copy runs there, so one copy's start or exit
// never takes packages another has not unpacked yet. Each copy marks itself running with a named
// mutex of its program folder from its start to its exit.
#include <string>

// The folder, with its trailing backslash.
std::wstring DownloadFolderPath();

// The exit leaves this file (a full path inside the download folder) in place.
void KeepDownloadAtExit(const std::wstring& file);
std::wstring KeptDownload();

// At exit: ends this copy's mark; then, when no other copy runs, deletes the download folder with
// what it holds, but for the kept file.
void ClearDownloadFolderAtExit();
// At start (after the program folder is known): marks this copy running; then, when no other copy
// runs, deletes what an earlier run left in the download folder.
void ClearDownloadFolderAtStart();
