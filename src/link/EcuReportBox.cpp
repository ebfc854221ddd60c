#include "EcuReportBox.h"

#include <windows.h>

#include "EcuCommException.h"
#include "MessageBox.h"

void InstallEcuReportBox()
{
    SetEcuReportBox([](const std::wstring& text) { return ShowMessageBox(GetActiveWindow(), text, L"", MB_OK); });
}
