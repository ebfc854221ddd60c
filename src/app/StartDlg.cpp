#include "StartDlg.h"

#include "DisplayApp.h"
#include "ProcessValues.h"
#include "StringResources.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseAfterMs = 300;

}  // namespace

CStartDlg::CStartDlg(HWND parent) : CDialog(IDD_STARTDLG, parent) {}

bool CStartDlg::OnInitDialog()
{
    std::wstring title = ResGetString(0x10000500);
    SetDlgItemTextW(Handle(), IDC_STARTDLG_TEXT, (title + L"\n" + GetBuildText()).c_str());
    SetGlobalFloat2(6.3f);
    SetTimer(Handle(), kCloseTimer, kCloseAfterMs, nullptr);
    return true;
}

bool CStartDlg::OnTimer(UINT_PTR id)
{
    if (id != kCloseTimer)
        return false;
    KillTimer(Handle(), kCloseTimer);
    EndDialog(IDOK);
    return true;
}
