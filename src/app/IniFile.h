#pragma once
#include <string>

// Reading the INI files of the vehicle-software folders. Both functions first make the file
// writable (its attributes set to normal), as the folders may come from read-only media.

int ReadIniInt(const wchar_t* filePath, const wchar_t* section, const wchar_t* key, int defaultValue);

// At most 4028 characters of the value; the default when the file or the key is missing.
std::wstring ReadIniString(const wchar_t* filePath, const wchar_t* section, const wchar_t* key,
                           const wchar_t* defaultValue);
