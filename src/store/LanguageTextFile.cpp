#include "LanguageTextFile.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ConfigStore.h"
#include "FileBytes.h"

namespace {

// Description texts are a few kilobytes; a larger file is not one.
constexpr size_t kMaxTextBytes = 4u << 20;

// The language code becomes a folder and a file name; one that is not a plain name names nothing.
bool IsPlainName(const std::wstring& name)
{
    return !name.empty() && name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos &&
           name.find(L"..") == std::wstring::npos;
}

}  // namespace

std::wstring LoadLanguageTextFile(const std::wstring& folder)
{
    const std::wstring language = GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN");
    if (!IsPlainName(language))
        return std::wstring();
    std::vector<uint8_t> bytes;
    if (!ReadFileBytesUpTo(folder + language + L"\\" + language + L".txt", kMaxTextBytes, bytes))
        return std::wstring();

    size_t start = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        start = 3;  // editors mark UTF-8 so; the mark is no part of the text
    const char* text = reinterpret_cast<const char*>(bytes.data()) + start;
    const int length = static_cast<int>(bytes.size() - start);
    if (length == 0)
        return std::wstring();
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, text, length, nullptr, 0);
    if (wideLength <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), wideLength);
    return wide;
}
