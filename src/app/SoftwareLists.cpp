#include "SoftwareLists.h"

#include <algorithm>

GroupList g_GroupList;
VehicleList g_VehicleList;
VehicleList g_FamilyList;

namespace {

bool g_listsChanged = false;

}  // namespace

VEHICLE_LIST_ITEM::~VEHICLE_LIST_ITEM()
{
    for (DISPLAY_NAME_ITEM& name : arrNames) {
        if (name.hLogo)
            DeleteObject(name.hLogo);
        name.hLogo = nullptr;
    }
}

void FreeSoftwareLists()
{
    g_GroupList.clear();
    g_VehicleList.clear();
    g_FamilyList.clear();
}

bool SoftwareListsChanged() { return g_listsChanged; }
void SetSoftwareListsChanged(bool changed) { g_listsChanged = changed; }

std::wstring DisplayNameIn(const std::vector<DISPLAY_NAME_ITEM>& names, const std::wstring& language)
{
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&language](const DISPLAY_NAME_ITEM& name) { return name.strLanguage == language; });
    return found == names.end() ? std::wstring() : found->strName;
}

std::wstring DisplayNameOf(const VEHICLE_LIST_ITEM& item)
{
    return item.arrNames.empty() ? std::wstring() : item.arrNames.front().strName;
}

void InsertByTestCount(VehicleList& list, std::unique_ptr<VEHICLE_LIST_ITEM> item)
{
    const int count = item->nTestCount;
    const auto before = std::find_if(list.begin(), list.end(),
                                     [count](const auto& other) { return other->nTestCount < count; });
    list.insert(before, std::move(item));
}

std::wstring UpperCaseName(const std::wstring& name)
{
    std::wstring upper = name;
    if (!upper.empty())
        CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}
