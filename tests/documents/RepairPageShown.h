#pragma once
// The text of the page the repair-information view shows: its browser window's text (the text view
// used where the system's browser control is missing); empty when it shows none.
#include <windows.h>

#include <string>

#include "RepairInfoView.h"
#include "RepairPageBrowser.h"

inline std::wstring RepairPageShown(const CRepairInfoView& view)
{
    HWND window = view.Browser() ? view.Browser()->Window() : nullptr;
    if (!window)
        return L"";
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}
