#pragma once
// The home page's tiles as plain data: where each one sits, what it shows, when it is enabled and
// what a click does; and the origin the page is laid out from.
#include <cstdint>
#include <span>

#include "NavigationTargets.h"

struct HOME_TILE {
    int id;                // command id, also the tile's control id
    int bitmap;            // normal and pressed image; the tile takes its size
    int disabledBitmap;
    int x;                 // from the page origin
    int y;
    uint32_t captionId;
    const wchar_t* english;
    bool centredCaption;   // else at the bottom, word-wrapped
    BUTTON_RULE rule;
    OUTSIDE_TOOL tool;     // started by a click, or None
    int targetView;        // switched to by a click, or 0
};

// Every tile, in the order the page creates them.
std::span<const HOME_TILE> HomeTiles();
const HOME_TILE* FindHomeTile(int id);

struct PAGE_ORIGIN {
    int x;
    int y;
};

// The page is laid out for 1024 x 700: at (0, 0) in the fixed-size window (screen mode not 0),
// centred on the screen recorded at start otherwise.
PAGE_ORIGIN HomePageOrigin(int screenMode, int screenWidth, int screenHeight);
