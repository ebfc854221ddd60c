#pragma once
// A thin framing edge left or right of the screens (template 414; kind 417 left, 418 right).
#include "DialogBar.h"

class CColumnBar : public CDialogBar {
public:
    static constexpr int kTemplateId = 414;
    CColumnBar() : CDialogBar(kTemplateId) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
