#pragma once
// The unit page: metric or British units for the rest of the run (never stored).
#include "TwoChoicePage.h"

class CSetUnitTypeDlg : public CTwoChoicePage {
public:
    explicit CSetUnitTypeDlg(HWND view);
    void Apply() override;

protected:
    bool StartsWithSecond() const override;
};
