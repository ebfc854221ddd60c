#include "SetupScreen.h"

#include "ConfigStore.h"
#include "SettingRestart.h"

namespace {

// A missing value means full screen, as at start-up.
int StoredScreenMode()
{
    return GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0);
}

}  // namespace

CSetupScreen::CSetupScreen(HWND parent)
    : CSetupChoicePage(kTemplateId, parent, {kFullScreen, 0x10080035, L"Full Screen"},
                       {kFixedScreen, 0x10080036, L"Fixed Size"})
{
}

bool CSetupScreen::StartsWithSecond() const
{
    return StoredScreenMode() != 0;
}

void CSetupScreen::OnChoice(int id)
{
    const bool fixed = id == kFixedScreen;
    if (fixed == (StoredScreenMode() != 0))
        return;  // already so: no check mark moves, nothing restarts
    Check(id);
    SaveSettingAndRestart([fixed] { return SetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", fixed ? 1 : 0); });
}
