#include "TopBarModel.h"

namespace {

using R = BUTTON_RULE;
using T = OUTSIDE_TOOL;

// clang-format off
const TOP_BAR_BUTTON kButtons[] = {
    // id   normal pressed disabled wide   rule                    tool         leaves latches target
    {1005, 352, 374, 0,   false, R::Enabled,             T::None,           true,  true,  0},
    {1096, 351, 373, 0,   false, R::Enabled,             T::None,           true,  true,  492},
    {1097, 451, 452, 0,   false, R::Enabled,             T::None,           true,  false, 131},
    {1101, 437, 438, 0,   true,  R::Enabled,             T::None,           true,  true,  446},
    {1102, 435, 436, 0,   true,  R::Enabled,             T::None,           true,  true,  445},
    {1103, 343, 367, 0,   false, R::WhenManualAvailable, T::None,           true,  true,  505},
    {1104, 347, 370, 370, false, R::Enabled,             T::None,           true,  false, 446},
    {1105, 353, 3750, 0,  false, R::WhenToolExists,      T::DtcQuery,       false, false, 0},
    {1106, 348, 371, 0,   false, R::Enabled,             T::None,           true,  true,  0},
    {1108, 345, 369, 0,   false, R::WhenToolExists,      T::ScreenRecorder, true,  true,  493},
    {1130, 350, 372, 0,   false, R::Enabled,             T::None,           true,  true,  0},
    {1131, 344, 368, 0,   false, R::WhenToolExists,      T::Dictionary,     false, false, 0},
    {1132, 349, 366, 0,   false, R::Enabled,             T::None,           true,  true,  295},
};
// clang-format on

constexpr int kMainPages[] = {1132, 1104, 1105, 1097, 1096, 1103};
constexpr int kRecordingPages[] = {1132, 1104, 1105, 1097, 1096, 1108, 1103};
constexpr int kStorePages[] = {1102, 1101};

struct VIEW_SET {
    int viewId;
    std::span<const int> buttons;
    int current;
};

const VIEW_SET kSets[] = {
    {131, kMainPages, 1097},     {492, kMainPages, 1096},      {295, kMainPages, 1132},
    {505, kMainPages, 1103},     {493, kMainPages, 1108},      {494, kRecordingPages, 1108},
    {446, kStorePages, 1101},    {476, kStorePages, 1101},
};

}  // namespace

std::span<const TOP_BAR_BUTTON> TopBarButtons()
{
    return kButtons;
}

const TOP_BAR_BUTTON* FindTopBarButton(int id)
{
    for (const TOP_BAR_BUTTON& button : kButtons) {
        if (button.id == id)
            return &button;
    }
    return nullptr;
}

TOP_BAR_SET TopBarSetForView(int viewId)
{
    for (const VIEW_SET& set : kSets) {
        if (set.viewId == viewId)
            return TOP_BAR_SET{set.buttons, set.current};
    }
    return TOP_BAR_SET{{}, 0};
}

int TopBarButtonX(int left, int right, int slot, int width)
{
    return right - slot * width - left;
}

std::wstring FormatGuidePath(const std::wstring& path)
{
    std::wstring text = L" ";
    for (size_t i = 0; i < path.size(); ++i) {
        if (path.compare(i, 2, L"->") == 0) {
            text += L" >> ";
            ++i;
        } else {
            text += path[i];
        }
    }
    return text;
}

int GuideTextX(int textWidth, int clientWidth)
{
    constexpr int kMargin = 2;
    return textWidth + kMargin > clientWidth ? clientWidth - (textWidth + kMargin) : kMargin;
}
