#include "SetupUnitType.h"

#include "ProcessValues.h"

CSetupUnitType::CSetupUnitType(HWND parent)
    : CSetupChoicePage(kTemplateId, parent, {kMetric, 0x10001119, nullptr}, {kBritish, 0x10001120, nullptr})
{
}

bool CSetupUnitType::StartsWithSecond() const
{
    return ResGetUnitMode() != 0;
}

void CSetupUnitType::OnChoice(int id)
{
    Check(id);
    ResSetUnitMode(id == kBritish ? 1 : 0);
}
