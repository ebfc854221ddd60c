#pragma once
// The guide bar below the top bar: the breadcrumb of the diagnostic program's menu path (bar 170). Created and docked by the main frame for the whole run.
#include "DialogBar.h"

class CTopGuide : public CDialogBar {
public:
    static constexpr int kBarId = 170;
    CTopGuide() : CDialogBar(kBarId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
