#include "UpdateCheck.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

namespace update_check {

float VersionNumber(const std::wstring& text)
{
    wchar_t* end = nullptr;
    const float value = std::wcstof(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value))
        return 0.0f;
    return value;
}

std::wstring InstalledVersionText(float version)
{
    wchar_t text[32] = {};
    std::swprintf(text, std::size(text), L"%.2f", static_cast<double>(version));
    return text;
}

bool IsNewerVersion(const std::wstring& installed, const std::wstring& offered)
{
    return VersionNumber(installed) < VersionNumber(offered);
}

DOWNLOAD_STEP DownloadStepFor(UPDATE_STATE state)
{
    switch (state) {
    case UPDATE_STATE::Offered:
        return DOWNLOAD_STEP::ShowDescription;
    case UPDATE_STATE::Described:
        return DOWNLOAD_STEP::OpenOrDownload;
    case UPDATE_STATE::Finished:
        return DOWNLOAD_STEP::OpenDownloaded;
    default:
        return DOWNLOAD_STEP::Nothing;
    }
}

}  // namespace update_check
