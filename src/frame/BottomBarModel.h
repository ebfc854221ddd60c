#pragma once
// The bottom bar's buttons as plain data: each command id has one slot, one trio of images and one
// fixed place, so a view that adds a command always gets the same button in the same spot.
#include <optional>

enum class BOTTOM_BUTTON_START { Shown, Hidden, ShownDisabled };

// How a button's left edge is found on a client area W wide.
enum class BOTTOM_X_RULE {
    FromRight,     // W - value (W - wideValue in the wide layout)
    FromLeft,      // client left + value
    CentredIn125,  // (125 - button width) / 2
};

// How a button's top edge is found on a client area H high.
enum class BOTTOM_Y_RULE {
    FromTop,   // client top + value
    Centred,   // (H - button height) / 2
};

struct BOTTOM_BAR_BUTTON {
    int id;
    int slot;       // 1..16; 3005 and 3029 share slot 3
    int normal;     // bitmap ids; the normal image gives the button's size
    int pressed;
    int disabled;   // 0: none (the normal image shows when disabled)
    BOTTOM_X_RULE xRule;
    int x;
    int wideX;
    BOTTOM_Y_RULE yRule;
    int y;
    BOTTOM_BUTTON_START start;
};

constexpr int kBottomBarSlots = 16;

const BOTTOM_BAR_BUTTON* FindBottomBarButton(int id);

struct BAR_PLACE {
    int x;
    int y;
};

// Where a button of `width` x `height` goes on a client area; the wide layout (the store's pages)
// moves back, page up and page down.
BAR_PLACE BottomBarButtonPlace(const BOTTOM_BAR_BUTTON& button, int clientLeft, int clientTop, int clientWidth,
                               int clientHeight, int width, int height, bool wideLayout);

// The background image of the bar in either layout.
int BottomBarBackground(bool wideLayout);
