#include "BottomBarModel.h"

namespace {

using X = BOTTOM_X_RULE;
using Y = BOTTOM_Y_RULE;
using S = BOTTOM_BUTTON_START;

// clang-format off
const BOTTOM_BAR_BUTTON kButtons[] = {
    // id  slot normal pressed disabled  x rule         x    wide  y rule       y   start
    {3004,  1, 360, 379, 427, X::FromRight,    143, 143, Y::FromTop, 7,  S::Shown},
    {3001,  2, 356, 378, 426, X::FromRight,    73,  84,  Y::FromTop, 7,  S::Shown},
    {3005,  3, 419, 420, 421, X::FromRight,    450, 450, Y::FromTop, 11, S::Shown},
    {3029,  3, 361, 380, 0,   X::FromRight,    449, 449, Y::FromTop, 7,  S::Shown},
    {3028,  4, 363, 381, 428, X::FromRight,    378, 378, Y::FromTop, 11, S::Shown},
    {3002,  5, 393, 394, 412, X::FromRight,    296, 279, Y::FromTop, 7,  S::Shown},
    {3003,  6, 395, 396, 411, X::FromRight,    216, 182, Y::FromTop, 7,  S::Shown},
    {3011,  7, 422, 423, 0,   X::CentredIn125, 0,   0,   Y::FromTop, 10, S::ShownDisabled},
    {3030,  8, 424, 425, 0,   X::FromLeft,     129, 129, Y::FromTop, 10, S::Shown},
    {3031,  9, 433, 432, 433, X::FromLeft,     70,  70,  Y::FromTop, 10, S::Hidden},
    {3033, 10, 431, 430, 430, X::FromLeft,     70,  70,  Y::FromTop, 10, S::Shown},
    {3034, 11, 447, 448, 486, X::FromLeft,     195, 195, Y::Centred, 0,  S::Shown},
    {3035, 12, 443, 285, 245, X::FromLeft,     140, 140, Y::Centred, 0,  S::Shown},
    {1125, 13, 439, 440, 439, X::FromLeft,     250, 250, Y::Centred, 0,  S::Shown},
    {1126, 14, 441, 442, 441, X::FromLeft,     195, 195, Y::Centred, 0,  S::Shown},
    {1116, 15, 467, 468, 467, X::FromLeft,     250, 250, Y::Centred, 0,  S::Shown},
    {1117, 16, 469, 470, 469, X::FromLeft,     250, 250, Y::Centred, 0,  S::Shown},
};
// clang-format on

}  // namespace

const BOTTOM_BAR_BUTTON* FindBottomBarButton(int id)
{
    for (const BOTTOM_BAR_BUTTON& button : kButtons) {
        if (button.id == id)
            return &button;
    }
    return nullptr;
}

BAR_PLACE BottomBarButtonPlace(const BOTTOM_BAR_BUTTON& button, int clientLeft, int clientTop, int clientWidth,
                               int clientHeight, int width, int height, bool wideLayout)
{
    BAR_PLACE place = {};
    switch (button.xRule) {
    case X::FromRight:
        place.x = clientWidth - (wideLayout ? button.wideX : button.x);
        break;
    case X::FromLeft:
        place.x = clientLeft + button.x;
        break;
    case X::CentredIn125:
        place.x = (125 - width) / 2;
        break;
    }
    place.y = button.yRule == Y::FromTop ? clientTop + button.y : (clientHeight - height) / 2;
    return place;
}

int BottomBarBackground(bool wideLayout)
{
    return wideLayout ? 434 : 355;
}
