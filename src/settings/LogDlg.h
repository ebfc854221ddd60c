#pragma once
// The log page: "Open" above "Close" switch the program's log setting, stored under COMMON\LOG
// "FLAG" when the settings are applied.
#include "TwoChoicePage.h"

class CLogDlg : public CTwoChoicePage {
public:
    explicit CLogDlg(HWND view);
    void Apply() override { SaveLogFlag(); }
    void SaveLogFlag();

protected:
    bool StartsWithSecond() const override;
    bool MakesSecondFirst() const override { return true; }
};
