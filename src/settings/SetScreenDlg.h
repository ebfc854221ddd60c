#pragma once
// The window-size page: the whole screen or the fixed 1024 by 700 window. The choice is stored and
// takes effect by a restart of the program.
#include "TwoChoicePage.h"

class CSetScreenDlg : public CTwoChoicePage {
public:
    explicit CSetScreenDlg(HWND view);
    void Apply() override;

protected:
    bool StartsWithSecond() const override;
    bool MakesSecondFirst() const override { return true; }
};
