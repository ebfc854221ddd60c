#pragma once
// The top bar's buttons and the sets the views show, as plain data, with the place rule of a button
// and the breadcrumb text of the guide bar below it.
#include <span>
#include <string>

#include "NavigationTargets.h"

struct TOP_BAR_BUTTON {
    int id;
    int normal;          // bitmap ids
    int pressed;
    int disabled;        // 0: none
    bool wide;           // as wide as its normal image, else kButtonWidth
    BUTTON_RULE rule;    // WhenManualAvailable: not created at all when the manuals are missing
    OUTSIDE_TOOL tool;   // started by a click, without leaving the view
    bool leaves;         // a click first leaves a running diagnosis, after asking
    bool latches;        // the button is marked as the current one after leaving
    int targetView;      // switched to after leaving, or 0
};

constexpr int kTopBarButtonWidth = 67;
constexpr int kTopBarButtonHeight = 62;
constexpr int kTopBarButtonTop = 9;

std::span<const TOP_BAR_BUTTON> TopBarButtons();
const TOP_BAR_BUTTON* FindTopBarButton(int id);

// The buttons a view shows on the top bar, added from the right in this order, and the one marked.
struct TOP_BAR_SET {
    std::span<const int> buttons;
    int current;
};

// The set of a view, or an empty set for views that show none of their own.
TOP_BAR_SET TopBarSetForView(int viewId);

// The left edge of the button added as the `slot`-th (1 for the first) on a client area from `left`
// to `right`, for a button `width` wide.
int TopBarButtonX(int left, int right, int slot, int width);

// The guide bar's breadcrumb: one leading blank, and " >> " for every "->" of the menu path.
std::wstring FormatGuidePath(const std::wstring& path);

// Where the breadcrumb starts: 2 pixels in, or, when it is wider than the bar, so far left that its
// end stays in view.
int GuideTextX(int textWidth, int clientWidth);
