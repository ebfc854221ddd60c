#pragma once
// A thin framing edge above or below the screens (template 414; kind 415 top, 416 bottom).
#include "DialogBar.h"

class CLineBar : public CDialogBar {
public:
    static constexpr int kTemplateId = 414;
    CLineBar() : CDialogBar(kTemplateId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
