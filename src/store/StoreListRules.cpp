#include "StoreListRules.h"

#include <algorithm>
#include <cstdlib>
#include <cwctype>

namespace store_list {
namespace {

const INSTALLED_ITEM* FindByName(const std::vector<INSTALLED_ITEM>& installed, const std::wstring& name)
{
    const auto found = std::find_if(installed.begin(), installed.end(),
                                    [&](const INSTALLED_ITEM& item) { return item.name == name; });
    return found == installed.end() ? nullptr : &*found;
}

}  // namespace

std::wstring VersionLineOf(const std::wstring& description)
{
    return description.substr(0, description.find_first_of(L"\r\n"));
}

double VersionNumber(const std::wstring& text)
{
    const size_t v = text.find(L'V');
    const std::wstring number = v == std::wstring::npos ? text : text.substr(v + 1);
    wchar_t* end = nullptr;
    const double value = std::wcstod(number.c_str(), &end);
    return end == number.c_str() ? 0.0 : value;
}

bool IsUpdate(const std::wstring& installedVersion, const std::wstring& offeredVersion)
{
    return installedVersion != offeredVersion && VersionNumber(installedVersion) < VersionNumber(offeredVersion);
}

bool CodeLess(const std::wstring& a, const std::wstring& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
    });
}

std::vector<ProductRecord> SortProductsByCode(std::vector<ProductRecord> records)
{
    std::stable_sort(records.begin(), records.end(), [](const ProductRecord& a, const ProductRecord& b) {
        return CodeLess(a.SoftwareCode, b.SoftwareCode);
    });
    return records;
}

std::vector<PLANNED_TILE> PlanStoreTiles(const std::vector<ProductRecord>& sorted,
                                         std::vector<INSTALLED_ITEM> installed,
                                         const std::function<std::wstring(const std::wstring& code)>& nameOf)
{
    std::vector<PLANNED_TILE> updates, missing, present;
    for (size_t i = 0; i < sorted.size(); ++i) {
        PLANNED_TILE tile{i, nameOf(sorted[i].SoftwareCode), L"V" + sorted[i].Version, kNotInstalled};
        const auto match = std::find_if(installed.begin(), installed.end(),
                                        [&](const INSTALLED_ITEM& item) { return item.name == tile.name; });
        if (match == installed.end()) {
            missing.push_back(std::move(tile));
            continue;
        }
        const bool update = IsUpdate(match->version, tile.versionText);
        installed.erase(match);
        tile.state = update ? kUpdateOffered : kInstalled;
        (update ? updates : present).push_back(std::move(tile));
    }
    updates.insert(updates.end(), missing.begin(), missing.end());
    updates.insert(updates.end(), present.begin(), present.end());
    return updates;
}

int RemarkState(const std::wstring& tileName, const std::wstring& tileVersion, int state,
                const std::vector<INSTALLED_ITEM>& installed)
{
    if (state == kNotInstalled)
        return kNotInstalled;
    const INSTALLED_ITEM* item = FindByName(installed, tileName);
    if (!item)
        return kNotInstalled;
    return IsUpdate(item->version, tileVersion) ? kUpdateOffered : kInstalled;
}

}  // namespace store_list
