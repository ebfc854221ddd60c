#include "SetRunModeDlg.h"

#include "ProcessValues.h"
#include "resource.h"

CSetRunModeDlg::CSetRunModeDlg(HWND view)
    : CTwoChoicePage(SETUP_PAGE::RunMode, view, IDD_SETUPPAGE, {1070, 0x10000D01, L"Diagnose"},
                     {1071, 0x10000013, L"Demo"})
{
}

bool CSetRunModeDlg::StartsWithSecond() const
{
    return ResGetRunModeFlag() == L"1";
}

void CSetRunModeDlg::Apply()
{
    ResSetRunModeFlag(SecondChosen() ? L"1" : L"0");
}
