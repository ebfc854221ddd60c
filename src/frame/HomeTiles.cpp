#include "HomeTiles.h"

namespace {

using R = BUTTON_RULE;
using T = OUTSIDE_TOOL;

const HOME_TILE kTiles[] = {
    {1096, 339, 460, 31, 464, 0x10090002, L"Smart test system", false, R::Enabled, T::None, 492},
    {1108, 335, 456, 513, 348, 0x10090008, L"Data Record", false, R::WhenToolExists, T::ScreenRecorder, 493},
    {1103, 332, 462, 841, 233, 0x10090007, L"Manual", false, R::WhenManualAvailable, T::None, 505},
    {1104, 336, 464, 759, 118, 0x10090004, L"Online stor", false, R::Enabled, T::None, 446},
    {1005, 342, 466, 513, 233, 0x10090005, L"Test track", false, R::Disabled, T::None, 0},
    {1105, 341, 458, 513, 118, 0x10090003, L"DTC query", false, R::WhenToolExists, T::DtcQuery, 0},
    {1106, 337, 465, 513, 464, 0x1009000A, L"Online support", false, R::Disabled, T::None, 0},
    {1130, 340, 461, 759, 348, 0x10090009, L"Technical notices", false, R::Disabled, T::None, 0},
    {1131, 334, 457, 677, 233, 0x10090006, L"Dictionary", false, R::WhenToolExists, T::Dictionary, 0},
    {1132, 331, 463, 677, 464, 0x10000D02, L"Settings", false, R::Enabled, T::None, 295},
    {3011, 330, 459, 841, 464, 0x1000000F, L"Exit", false, R::Enabled, T::None, 0},
    {1097, 338, 455, 31, 118, 0x10090001, L"Diagnostic service system", true, R::Enabled, T::None, 131},
};

constexpr int kPageWidth = 1024;
constexpr int kPageHeight = 700;

}  // namespace

std::span<const HOME_TILE> HomeTiles()
{
    return kTiles;
}

const HOME_TILE* FindHomeTile(int id)
{
    for (const HOME_TILE& tile : kTiles) {
        if (tile.id == id)
            return &tile;
    }
    return nullptr;
}

PAGE_ORIGIN HomePageOrigin(int screenMode, int screenWidth, int screenHeight)
{
    if (screenMode != 0)
        return PAGE_ORIGIN{0, 0};
    return PAGE_ORIGIN{(screenWidth - kPageWidth) / 2, (screenHeight - kPageHeight) / 2};
}
