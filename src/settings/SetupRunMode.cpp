#include "SetupRunMode.h"

#include "ProcessValues.h"

CSetupRunMode::CSetupRunMode(HWND parent)
    : CSetupChoicePage(kTemplateId, parent, {kDiagnose, 0x10000D01, nullptr}, {kDemo, 0x10000013, nullptr})
{
}

bool CSetupRunMode::StartsWithSecond() const
{
    return ResGetRunModeFlag() == L"1";
}

void CSetupRunMode::OnChoice(int id)
{
    Check(id);
    ResSetRunModeFlag(id == kDemo ? L"1" : L"0");
}
