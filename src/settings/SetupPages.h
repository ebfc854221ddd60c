#pragma once
// The settings view's seven pages as plain data: their order on the middle-left bar, their titles,
// the bottom-bar commands each enables when shown, and the order in which accept applies them.
#include <array>
#include <cstdint>
#include <span>

enum class SETUP_PAGE { Language, RunMode, Units, WindowSize, Log, Update, SystemInformation };

constexpr int kSetupPageCount = 7;

struct SETUP_PAGE_ENTRY {
    SETUP_PAGE page;
    uint32_t titleId;
    const wchar_t* english;
    bool acceptEnabled;    // 3004 is enabled while the page is shown
    bool buttonPaging;     // 3002 and 3003 follow the page's own button pages
    bool checkBeforeShow;  // the page runs its check before it is shown
    bool readAfterShow;    // the page starts reading once it is shown
};

// The pages by their index on the middle-left bar (0 Language ... 6 System Information).
std::span<const SETUP_PAGE_ENTRY> SetupPages();

// The entry of a bar index, or null outside 0..6.
const SETUP_PAGE_ENTRY* SetupPageAt(int index);

// The bar index of a page.
int SetupPageIndex(SETUP_PAGE page);

// The order the view makes the pages in.
std::span<const SETUP_PAGE> SetupPageCreationOrder();

// The order accept looks for the visible page in; pages not listed have nothing to apply.
std::span<const SETUP_PAGE> SetupPageApplyOrder();

// The commands the view turns off before it shows a page.
constexpr std::array<int, 4> kSetupPageCommands = {3003, 3002, 3005, 3004};
