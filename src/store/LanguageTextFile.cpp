#include "LanguageTextFile.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ConfigStore.h"
#include "DescriptionText.h"
#include "ScopedWin.h"
#include "TextConversion.h"

namespace {

// The language code becomes a folder and a file name; one that is not a plain name names nothing.
bool IsPlainName(const std::wstring& name)
{
    return !name.empty() && name.find_first_of(L"\\/:*?\"<>|") == std::wstring::npos &&
           name.find(L"..") == std::wstring::npos;
}

HANDLE OpenForReading(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The file's bytes, read whole; false when it cannot be opened, is too large or a read fails.
bool ReadBytes(const std::wstring& path, std::vector<uint8_t>& bytes)
{
    CScopedHandle file(OpenForReading(path));
    const DWORD error = GetLastError();
    // A description being written by an install is locked for a moment; a missing one stays missing.
    if (!file.Get() && !IsMissing(error)) {
        Sleep(20);
        file.Reset(OpenForReading(path));
    }
    if (!file.Get())
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxDescriptionBytes)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
                           got != bytes.size()))
        return false;
    return true;
}

}  // namespace

std::optional<std::wstring> ReadDescriptionFile(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadBytes(path, bytes))
        return std::nullopt;
    DESCRIPTION_BYTES decoded = DecodeDescriptionBytes(bytes);
    if (decoded.utf16)
        return std::move(decoded.wideText);
    if (decoded.narrowText.empty())
        return std::wstring();
    const WideBuffer wide = Utf8ToWide(decoded.narrowText.c_str());
    return wide ? std::wstring(wide.get()) : std::wstring();
}

std::wstring LoadLanguageTextFile(const std::wstring& folder)
{
    const std::wstring language = GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN");
    if (!IsPlainName(language))
        return std::wstring();
    return ReadDescriptionFile(folder + language + L"\\" + language + L".txt").value_or(std::wstring());
}
