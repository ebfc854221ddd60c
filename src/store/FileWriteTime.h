#pragma once
// When a file or folder was last written, as the local calendar time.
#include <windows.h>

#include <string>

// Fills `time` with the last-write time of the file or folder at `path`, in local time; true on
// success. When the entry cannot be opened or its time read, `time` is left as it was and the
// result is false.
bool GetFileWriteTime(const std::wstring& path, SYSTEMTIME& time);
