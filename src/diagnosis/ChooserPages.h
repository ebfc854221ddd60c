#pragma once
// How the maker chooser spreads the makers over its pages, without a window: one page per region
// display name, in the order the makers first name it, and each maker in the next free slot of its
// region's page.
#include <cstddef>
#include <string>
#include <vector>

// The middle-left bar offers seven items, so no more pages than that can be reached.
constexpr size_t kMaxChooserPages = 7;
constexpr size_t kMaxMakersPerPage = 100;

struct CHOOSER_REGION {
    std::wstring region;  // the upper-cased region folder name
    std::wstring name;    // the display name in the current language; empty when it has none
};

struct CHOOSER_PLACE {
    int page = -1;  // -1: the maker is not shown (its region got no page, or its page is full)
    int slot = -1;
};

struct CHOOSER_PAGES {
    std::vector<std::wstring> pageNames;
    std::vector<int> regionPage;        // per region: its page, or -1
    std::vector<CHOOSER_PLACE> makers;  // per maker, in the makers' order
};

// Regions whose display names are equal share a page; a region without a name is listed under its
// folder name. Names beyond `maxPages` distinct ones get no page, and slots end at `maxSlots`.
CHOOSER_PAGES AssignChooserPages(const std::vector<CHOOSER_REGION>& regions,
                                 const std::vector<std::wstring>& makerRegions, size_t maxPages = kMaxChooserPages,
                                 size_t maxSlots = kMaxMakersPerPage);
