#include "IniFile.h"

#include <windows.h>

namespace {

constexpr DWORD kMaxIniText = 4028;

// Leaves the file plain (read-only, hidden and system cleared) before it is read. A file that is
// plain already is left alone: the start-up reads every maker's file, and each change of
// attributes is a write through the file system. (The archive mark alone needs no clearing.)
void MakePlain(const wchar_t* filePath)
{
    const DWORD attributes = GetFileAttributesW(filePath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & ~(FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_ARCHIVE)) == 0)
        return;
    SetFileAttributesW(filePath, FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

int ReadIniInt(const wchar_t* filePath, const wchar_t* section, const wchar_t* key, int defaultValue)
{
    MakePlain(filePath);
    return static_cast<int>(GetPrivateProfileIntW(section, key, defaultValue, filePath));
}

std::wstring ReadIniString(const wchar_t* filePath, const wchar_t* section, const wchar_t* key,
                           const wchar_t* defaultValue)
{
    MakePlain(filePath);
    wchar_t text[kMaxIniText + 1] = {};
    const DWORD length = GetPrivateProfileStringW(section, key, defaultValue, text, kMaxIniText + 1, filePath);
    return std::wstring(text, length);
}
