#pragma once
// The decisions of the online store's lists that need no window, file or network: the order of the
// offered products, and whether each one is installed, offered as an update, or not installed.
#include <functional>
#include <string>
#include <vector>

#include "ProductRecord.h"

namespace store_list {

// The state of a store tile (the grid's nState).
enum TILE_STATE : int {
    kNotInstalled = 0,
    kInstalled = 1,      // installed at the offered version or newer
    kUpdateOffered = 2,  // installed at an older version, or installed during this run
};

// An installed vehicle software as the store compares it: its display name and its version text
// ("V" and the version).
struct INSTALLED_ITEM {
    std::wstring name;
    std::wstring version;
};

// One tile of a store page, in page order: the index of its record in the sorted list, the name
// and version text it shows, and its state.
struct PLANNED_TILE {
    size_t record = 0;
    std::wstring name;
    std::wstring versionText;
    int state = kNotInstalled;
    bool operator==(const PLANNED_TILE&) const = default;
};

// A description's first line, which is its version text ("V1.40"): what a tile has room for and
// what the store compares.
std::wstring VersionLineOf(const std::wstring& description);

// The version as a number: the part after the first "V" (the whole text when there is none), read
// as a decimal number; an unreadable text reads as 0.
double VersionNumber(const std::wstring& text);
// Whether the offered version text is newer than the installed one. Texts that differ only in form
// ("V3.0" and "V3.00") are the same version; an installed newer version is no update.
bool IsUpdate(const std::wstring& installedVersion, const std::wstring& offeredVersion);

// Codes compared letter by letter without regard to case; a code that begins another is smaller.
bool CodeLess(const std::wstring& a, const std::wstring& b);
// Ascending by SoftwareCode; records with codes equal without regard to case keep their order.
std::vector<ProductRecord> SortProductsByCode(std::vector<ProductRecord> records);

// The tiles of one page: updates offered first, then the products not installed, then those
// installed, each group in the order of `sorted`. `nameOf` gives a product's display name from its
// code. Each installed item matches at most one product (the first with its name).
std::vector<PLANNED_TILE> PlanStoreTiles(const std::vector<ProductRecord>& sorted,
                                         std::vector<INSTALLED_ITEM> installed,
                                         const std::function<std::wstring(const std::wstring& code)>& nameOf);

// A tile's state after the installed lists changed: `tileVersion` is the version text the tile
// shows. Not-installed tiles keep their state.
int RemarkState(const std::wstring& tileName, const std::wstring& tileVersion, int state,
                const std::vector<INSTALLED_ITEM>& installed);

}  // namespace store_list
