#pragma once
// The decisions of the middle-left item bar as plain functions: which item a command chooses, and
// what choosing an item does on the view that is shown.

constexpr int kFirstItemCommand = 1090;
constexpr int kLastItemCommand = 1099;
constexpr int kMaxItemButtons = 7;

// The item index a command 1090..1099 chooses: (id - 1090) modulo 7; -1 for other ids.
int ItemIndexOfCommand(int id);

enum class ITEM_ACTION {
    None,
    ShowRegion,                // the maker chooser shows the chosen region
    ShowRegionAndReturn,       // ... and the version view goes back to the maker chooser
    ShowSettingsPage,          // the settings view shows the chosen page
    RefreshInstalled,          // the installed-software view shows the chosen list
    RefreshStore,              // the store shows the chosen list
    ReturnToStore,             // the store's version list goes back to the store
    CloseDocumentAndReturn,    // the document view closes its reader and goes back to the maker chooser
    ShowManualPanels,          // the manuals view shows the chosen panel
};

// What choosing an item does on view `viewId`. `returnFlag` is the bar's flag that the version view,
// the document view and the store's version list set; `indexChanged` tells whether the chosen item
// differs from the one chosen before (the store's lists are rebuilt only then).
ITEM_ACTION ItemActionFor(int viewId, bool returnFlag, bool indexChanged);
