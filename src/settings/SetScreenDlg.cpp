#include "SetScreenDlg.h"

#include "ConfigStore.h"
#include "SettingRestart.h"
#include "resource.h"

namespace {

int StoredScreenMode()
{
    return GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0);
}

}  // namespace

// The two captions have no built-in English text: without a language file that names them the
// buttons say what the other setup page of the same choice says.
CSetScreenDlg::CSetScreenDlg(HWND view)
    : CTwoChoicePage(SETUP_PAGE::WindowSize, view, IDD_SETUPPAGE, {1093, 0x10080035, L"Full Screen"},
                     {1094, 0x10080036, L"Fixed Size"})
{
}

bool CSetScreenDlg::StartsWithSecond() const
{
    return StoredScreenMode() != 0;
}

void CSetScreenDlg::Apply()
{
    const bool fixedSize = SecondChosen();
    const int stored = StoredScreenMode();
    if (fixedSize == (stored != 0))
        return;  // already so: no restart
    SaveSettingAndRestart([fixedSize] { return SetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", fixedSize ? 1 : 0); });
}
