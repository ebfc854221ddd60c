#include "SoftwareFolderRules.h"

#include <algorithm>
#include <cwctype>
#include <string>

namespace {

// Windows paths compare without regard to case; both separators count.
std::wstring Comparable(const std::filesystem::path& path)
{
    std::wstring text = path.wstring();
    std::replace(text.begin(), text.end(), L'/', L'\\');
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    while (!text.empty() && text.back() == L'\\')
        text.pop_back();
    return text;
}

std::filesystem::path Normal(const std::filesystem::path& path)
{
    std::wstring text = path.wstring();
    std::replace(text.begin(), text.end(), L'\\', L'/');  // so that a native build reads Windows paths too
    return std::filesystem::path(text).lexically_normal();
}

}  // namespace

bool IsRemovableSoftwareFolder(const std::filesystem::path& folder, const std::filesystem::path& programFolder)
{
    if (folder.empty() || programFolder.empty())
        return false;
    const std::wstring scan = Comparable(Normal(programFolder / L"Scan"));
    const std::wstring target = Comparable(Normal(folder));
    return target.size() > scan.size() + 1 && target.compare(0, scan.size(), scan) == 0 && target[scan.size()] == L'\\';
}
