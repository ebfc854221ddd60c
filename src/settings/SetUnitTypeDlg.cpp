#include "SetUnitTypeDlg.h"

#include "ProcessValues.h"
#include "resource.h"

CSetUnitTypeDlg::CSetUnitTypeDlg(HWND view)
    : CTwoChoicePage(SETUP_PAGE::Units, view, IDD_SETUPPAGE, {1075, 0x10001119, L"Metric system"},
                     {1076, 0x10001120, L"Imperial"})
{
}

bool CSetUnitTypeDlg::StartsWithSecond() const
{
    return ResGetUnitMode() != 0;
}

void CSetUnitTypeDlg::Apply()
{
    ResSetUnitMode(SecondChosen() ? 1 : 0);
}
