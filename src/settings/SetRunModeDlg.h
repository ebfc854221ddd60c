#pragma once
// The run-mode page: Diagnose Mode or Demo Mode for the rest of the run (never stored: every start
// is in Diagnose Mode).
#include "TwoChoicePage.h"

class CSetRunModeDlg : public CTwoChoicePage {
public:
    explicit CSetRunModeDlg(HWND view);
    void Apply() override;

protected:
    bool StartsWithSecond() const override;
    bool MakesSecondFirst() const override { return true; }
};
