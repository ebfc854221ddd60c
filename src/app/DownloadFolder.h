#pragma once
// The program folder's "download\" folder, where packages wait to be unpacked or opened. The exit
// empties it, except for an update package the program has just opened: its installer may still be
// reading it when the program ends, so it stays until the next start removes it.
#include <string>

// The folder, with its trailing backslash.
std::wstring DownloadFolderPath();

// The exit leaves this file (a full path inside the download folder) in place.
void KeepDownloadAtExit(const std::wstring& file);
std::wstring KeptDownload();

// At exit: deletes the download folder with what it holds, but for the kept file.
void ClearDownloadFolderAtExit();
// At start: deletes what an earlier run left in the download folder.
void ClearDownloadFolderAtStart();
