#pragma once
// Every view of the main frame by view id: where it is placed, and which bars a switch to it shows.
#include <optional>
#include <span>

enum class VIEW_AREA {
    Wide,                           // right of the item column, between the top and bottom bars
    Diagnosis,                      // the wide area inside the framing edges and below the guide bar
    DiagnosisLessRow,               // the diagnosis area above the soft-button row
    DiagnosisLessRowAndHelp,        // ... and above the help line
    WholeClient,                    // the home page
};

enum class LINES_RULE { Show, Hide, Unchanged };

struct VIEW_ENTRY {
    int viewId;
    VIEW_AREA area;
    LINES_RULE lines;  // the line, column and guide bars
    bool row;          // the soft-button row
};

std::span<const VIEW_ENTRY> ViewTable();
const VIEW_ENTRY* FindViewEntry(int viewId);

// The bars a switch to a view shows or hides; `nullopt` leaves a bar as it is.
struct BAR_VISIBILITY {
    bool navigation;                 // the top bar, the bottom bar and the item column
    std::optional<bool> lines;       // the line, column and guide bars
    bool row;                        // the soft-button row
    bool help;                       // the help line
    bool moveHelpToDiagnosisArea;    // the multiple-selection screen shows the help line in its area
    bool storePageShown;
};

BAR_VISIBILITY BarsForView(const VIEW_ENTRY& entry);

// The soft-button position a function key presses: WM_HOTKEY from outside (F1 presses position 9,
// F10 position 0), or the keys 4001..4010 of the frame's own hot keys. Nothing for other keys.
std::optional<int> FunctionKeyPosition(unsigned wParam, long lParam);
std::optional<int> FrameHotKeyPosition(unsigned wParam);
