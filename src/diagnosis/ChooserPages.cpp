#include "ChooserPages.h"

#include <algorithm>

CHOOSER_PAGES AssignChooserPages(const std::vector<CHOOSER_REGION>& regions,
                                 const std::vector<std::wstring>& makerRegions, size_t maxPages, size_t maxSlots)
{
    CHOOSER_PAGES pages;
    pages.regionPage.assign(regions.size(), -1);
    std::vector<bool> seen(regions.size(), false);
    auto regionOf = [&regions](const std::wstring& region) {
        const auto found = std::find_if(regions.begin(), regions.end(),
                                        [&region](const CHOOSER_REGION& entry) { return entry.region == region; });
        return found == regions.end() ? regions.size() : static_cast<size_t>(found - regions.begin());
    };

    // Pages follow the makers' order: a region takes its page when its first maker comes.
    for (const std::wstring& makerRegion : makerRegions) {
        const size_t region = regionOf(makerRegion);
        if (region == regions.size() || seen[region])
            continue;
        seen[region] = true;
        const std::wstring& name = regions[region].name.empty() ? regions[region].region : regions[region].name;
        const auto page = std::find(pages.pageNames.begin(), pages.pageNames.end(), name);
        if (page != pages.pageNames.end()) {
            pages.regionPage[region] = static_cast<int>(page - pages.pageNames.begin());
        } else if (pages.pageNames.size() < maxPages) {
            pages.regionPage[region] = static_cast<int>(pages.pageNames.size());
            pages.pageNames.push_back(name);
        }
    }

    std::vector<size_t> used(pages.pageNames.size(), 0);
    for (const std::wstring& makerRegion : makerRegions) {
        CHOOSER_PLACE place;
        const size_t region = regionOf(makerRegion);
        const int page = region == regions.size() ? -1 : pages.regionPage[region];
        if (page >= 0 && used[static_cast<size_t>(page)] < maxSlots) {
            place.page = page;
            place.slot = static_cast<int>(used[static_cast<size_t>(page)]++);
        }
        pages.makers.push_back(place);
    }
    return pages;
}
