#include "SetScreenDlg.h"

#include "ConfigStore.h"
#include "ProgramRestart.h"
#include "resource.h"

namespace {

int StoredScreenMode()
{
    return GetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", 0);
}

}  // namespace

// The two captions have no English text of their own: without a language file they stay empty.
CSetScreenDlg::CSetScreenDlg(HWND view)
    : CTwoChoicePage(SETUP_PAGE::WindowSize, view, IDD_SETUPPAGE, {1093, 0x10080035, nullptr},
                     {1094, 0x10080036, nullptr})
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
    SetConfigInt(L"COMMON\\SYSTEM", L"SCREENMODE", fixedSize ? 1 : 0);
    RestartProgram();
}
