#pragma once
// The run mode, applied for the rest of the run as soon as it is clicked (it is never stored).
#include "SetupChoicePage.h"

class CSetupRunMode : public CSetupChoicePage {
public:
    static constexpr int kTemplateId = 292;
    static constexpr int kDiagnose = 1070;
    static constexpr int kDemo = 1071;
    explicit CSetupRunMode(HWND parent);

protected:
    bool StartsWithSecond() const override;
    void OnChoice(int id) override;
};
