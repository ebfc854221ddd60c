#pragma once
// The installed vehicle software as three process-wide lists: the regions found under "Scan\", the
// makers of those regions, and the vehicle-software families under "Scan\PRO\". The splash's
// loaders (CStartDlg::LoadConfiguration, CStartDlg::LoadVehicleNames) fill them; the choosers and
// the store read them.
//
// The lists are the one owner of their records and of the logos the records hold: emptying a list
// (a reload, or the end of the program) frees both. A reader that keeps a logo beyond the next
// reload loads its own copy.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct DISPLAY_NAME_ITEM {
    std::wstring strLanguage;  // the language code the entry is for
    std::wstring strName;      // the display name
    std::wstring strCaption;   // the display name again for makers and families; empty for regions
    std::wstring strText;      // the description in that language; empty for regions
    HBITMAP hLogo = nullptr;   // owned by the record that holds the entry
};

struct GROUP_ITEM {
    std::wstring strRegionId;  // "VEHICLE\REGIONID" of the region, else its folder name
    std::wstring strRegion;    // the region folder name, upper-cased
    int nPage = -1;            // for the maker chooser: the region's page
    int nUsed = 0;
    std::vector<DISPLAY_NAME_ITEM> arrNames;  // one entry per installed language, in their order
};

struct VEHICLE_LIST_ITEM {
    VEHICLE_LIST_ITEM() = default;
    ~VEHICLE_LIST_ITEM();
    VEHICLE_LIST_ITEM(const VEHICLE_LIST_ITEM&) = delete;
    VEHICLE_LIST_ITEM& operator=(const VEHICLE_LIST_ITEM&) = delete;

    std::wstring strRegion;  // the maker's upper-cased region folder; empty for a family
    std::vector<DISPLAY_NAME_ITEM> arrNames;  // one entry, for the current language
    std::wstring strPath;    // the whole folder path, with a trailing backslash
    std::wstring strFolder;  // the folder name: a maker's as found, a family's upper-cased
    int nPage = -1;          // for the maker chooser: the page and slot of its icon
    int nSlot = 0;
    int nTestCount = 0;      // "TestCount" of the maker's "MAKER.INI"; 0 for a family
};

using GroupList = std::vector<std::unique_ptr<GROUP_ITEM>>;
using VehicleList = std::vector<std::unique_ptr<VEHICLE_LIST_ITEM>>;

extern GroupList g_GroupList;      // the regions, in the order their folders were listed
extern VehicleList g_VehicleList;  // the makers of every region, largest test count first
extern VehicleList g_FamilyList;   // the families, in the order their folders were listed

// Frees every record of the three lists and their logos.
void FreeSoftwareLists();

// Set when software was installed or removed: the next show of a list-showing view reloads the
// lists first (ReloadSoftwareLists).
bool SoftwareListsChanged();
void SetSoftwareListsChanged(bool changed);

// The display name of an entry list in a language, or empty when it has none in that language.
std::wstring DisplayNameIn(const std::vector<DISPLAY_NAME_ITEM>& names, const std::wstring& language);

// The item's display name for the current language (its one entry), or empty.
std::wstring DisplayNameOf(const VEHICLE_LIST_ITEM& item);

// Inserts a maker before the first one with a smaller test count, so the list stays sorted by test
// count, largest first, and equal counts keep the order they were found in.
void InsertByTestCount(VehicleList& list, std::unique_ptr<VEHICLE_LIST_ITEM> item);

// A folder name upper-cased the way the file system compares names.
std::wstring UpperCaseName(const std::wstring& name);
