#include "FileWriteTime.h"

#include "ScopedWin.h"

bool GetFileWriteTime(const std::wstring& path, SYSTEMTIME& time)
{
    // Backup semantics let a folder be opened like a file.
    const CScopedHandle entry(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!entry)
        return false;
    FILETIME created = {};
    FILETIME accessed = {};
    FILETIME written = {};
    FILETIME local = {};
    SYSTEMTIME fields = {};
    if (!GetFileTime(entry.Get(), &created, &accessed, &written) || !FileTimeToLocalFileTime(&written, &local) ||
        !FileTimeToSystemTime(&local, &fields))
        return false;
    time = fields;
    return true;
}
