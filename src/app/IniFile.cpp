#include "IniFile.h"

#include <windows.h>

namespace {

constexpr DWORD kMaxIniText = 4028;

}  // namespace

int ReadIniInt(const wchar_t* filePath, const wchar_t* section, const wchar_t* key, int defaultValue)
{
    SetFileAttributesW(filePath, FILE_ATTRIBUTE_NORMAL);
    return static_cast<int>(GetPrivateProfileIntW(section, key, defaultValue, filePath));
}

std::wstring ReadIniString(const wchar_t* filePath, const wchar_t* section, const wchar_t* key,
                           const wchar_t* defaultValue)
{
    SetFileAttributesW(filePath, FILE_ATTRIBUTE_NORMAL);
    wchar_t text[kMaxIniText + 1] = {};
    const DWORD length = GetPrivateProfileStringW(section, key, defaultValue, text, kMaxIniText + 1, filePath);
    return std::wstring(text, length);
}
