#include "LogDlg.h"

#include "ConfigStore.h"
#include "resource.h"

CLogDlg::CLogDlg(HWND view)
    : CTwoChoicePage(SETUP_PAGE::Log, view, IDD_LOGDLG, {1093, 0x10080038, L"Open"}, {1094, 0x10080039, L"Close"})
{
}

bool CLogDlg::StartsWithSecond() const
{
    return GetConfigInt(L"COMMON\\LOG", L"FLAG", 1) == 0;
}

// Written only where "Config.xml" has the element: the store creates none.
void CLogDlg::SaveLogFlag()
{
    SetConfigInt(L"COMMON\\LOG", L"FLAG", SecondChosen() ? 0 : 1);
}
