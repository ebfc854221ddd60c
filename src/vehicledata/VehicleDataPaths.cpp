#include "VehicleDataPaths.h"

#include <algorithm>

#include "DbTextConversion.h"

size_t FileNameStart(std::string_view path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

size_t FileNameStart(std::wstring_view path)
{
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring_view::npos ? 0 : separator + 1;
}

std::filesystem::path ToFileSystemPath(std::string_view utf8Path)
{
    std::u8string text(utf8Path.begin(), utf8Path.end());
    if (text.find(u8'\0') != std::u8string::npos)
        return {};
    constexpr auto separator = std::filesystem::path::preferred_separator;
    if constexpr (separator != '\\')
        std::replace(text.begin(), text.end(), u8'\\', static_cast<char8_t>(separator));
    try {
        return std::filesystem::path(text);
    } catch (...) {  // not UTF-8
        return {};
    }
}

std::filesystem::path ToFileSystemPath(const std::wstring& path) { return ToFileSystemPath(EncodeUtf8(path)); }

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

bool IsPathInsideFolder(std::wstring_view path)
{
    if (path.empty() || path.front() == L'\\' || path.front() == L'/' ||
        path.find_first_of(std::wstring_view(L":\0", 2)) != std::wstring_view::npos)
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find_first_of(L"\\/", start), path.size());
        const std::wstring_view step = path.substr(start, end - start);
        if (step == L"." || step == L"..")
            return false;
        start = end + 1;
    }
    return true;
}
