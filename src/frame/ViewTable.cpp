#include "ViewTable.h"

namespace {

using A = VIEW_AREA;
using L = LINES_RULE;

const VIEW_ENTRY kViews[] = {
    {101, A::DiagnosisLessRow, L::Show, true},
    {131, A::Wide, L::Hide, false},
    {136, A::Wide, L::Hide, false},
    {137, A::Diagnosis, L::Show, false},
    {138, A::Diagnosis, L::Show, false},
    {158, A::Diagnosis, L::Show, false},
    {159, A::DiagnosisLessRow, L::Show, true},
    // Its Exit, Select All and import keys sit in the soft-button row, so the row is shown, with the
    // help line just above it.
    {160, A::DiagnosisLessRowAndHelp, L::Show, true},
    {161, A::DiagnosisLessRow, L::Show, true},
    {162, A::DiagnosisLessRow, L::Show, true},
    {164, A::DiagnosisLessRow, L::Show, true},
    {165, A::DiagnosisLessRow, L::Show, true},
    {166, A::DiagnosisLessRowAndHelp, L::Show, true},
    {167, A::Diagnosis, L::Show, false},
    // The picture and special-function screens answer through their soft keys, so the row is shown.
    {168, A::DiagnosisLessRow, L::Show, true},
    {249, A::DiagnosisLessRow, L::Show, true},
    {286, A::WholeClient, L::Unchanged, false},
    {295, A::Wide, L::Hide, false},
    {305, A::Wide, L::Hide, false},
    {445, A::Wide, L::Hide, false},
    {446, A::Wide, L::Hide, false},
    {476, A::Wide, L::Hide, false},
    {491, A::Wide, L::Hide, false},
    {492, A::Wide, L::Hide, false},
    {493, A::Wide, L::Hide, false},
    {494, A::Wide, L::Hide, false},
    {505, A::Wide, L::Hide, false},
    {10046, A::DiagnosisLessRow, L::Show, true},
    {10056, A::DiagnosisLessRow, L::Show, true},
};

constexpr int kHomePage = 286;
constexpr int kMultipleSelection = 160;
constexpr int kActuatorTest = 166;

}  // namespace

std::span<const VIEW_ENTRY> ViewTable()
{
    return kViews;
}

const VIEW_ENTRY* FindViewEntry(int viewId)
{
    for (const VIEW_ENTRY& entry : kViews) {
        if (entry.viewId == viewId)
            return &entry;
    }
    return nullptr;
}

BAR_VISIBILITY BarsForView(const VIEW_ENTRY& entry)
{
    BAR_VISIBILITY bars = {};
    if (entry.viewId == kHomePage)
        return bars;  // no navigation, no row, no help; the framing bars keep their state
    bars.navigation = true;
    bars.storePageShown = entry.viewId == 445 || entry.viewId == 446;
    bars.lines = entry.lines == LINES_RULE::Show;
    bars.row = entry.row;
    bars.moveHelpToDiagnosisArea = entry.viewId == kMultipleSelection;
    bars.help = entry.viewId == kMultipleSelection || entry.viewId == kActuatorTest;
    return bars;
}

std::optional<int> FunctionKeyPosition(unsigned wParam, long lParam)
{
    constexpr unsigned kF1 = 0x70, kF10 = 0x79;
    if (lParam != 0x100 || wParam < kF1 || wParam > kF10)
        return std::nullopt;
    return static_cast<int>(kF10 - wParam);
}

std::optional<int> FrameHotKeyPosition(unsigned wParam)
{
    if (wParam < 4001 || wParam > 4010)
        return std::nullopt;
    return static_cast<int>(4010 - wParam);
}
