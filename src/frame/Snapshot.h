#pragma once
// Saving a picture of the main frame as a PNG file in the program folder's "Snapshot\" folder.
#include <windows.h>

#include <string>

// Copies the frame's client area into a picture of the frame's size and saves it as
// "Snapshot\<date and time>.png"; a second snapshot in the same second gets "_2", "_3", ...
// Returns the file written, or an empty text when nothing could be saved.
std::wstring SaveFrameSnapshot(HWND frame);

// The file name a snapshot taken at `time` gets in `folder`, not overwriting an existing one.
std::wstring SnapshotFileName(const std::wstring& folder, const SYSTEMTIME& time);
