#pragma once
// The units, applied for the rest of the run as soon as they are clicked (they are never stored).
#include "SetupChoicePage.h"

class CSetupUnitType : public CSetupChoicePage {
public:
    static constexpr int kTemplateId = 294;
    static constexpr int kMetric = 1075;
    static constexpr int kBritish = 1076;
    explicit CSetupUnitType(HWND parent);

protected:
    bool StartsWithSecond() const override;
    void OnChoice(int id) override;
};
