#include "AboutDlg.h"

#include <cwchar>

#include "DisplayApp.h"
#include "ProcessValues.h"
#include "resource.h"

CAboutDlg::CAboutDlg(HWND parent) : CDialog(IDD_ABOUTBOX, parent) {}

bool CAboutDlg::OnInitDialog()
{
    wchar_t version[64] = {};
    std::swprintf(version, std::size(version), L"Version %.2f  (%ls)", static_cast<double>(GetGlobalFloat2()),
                  GetBuildText().c_str());
    SetDlgItemTextW(Handle(), IDC_ABOUT_VERSION, version);
    return true;
}
