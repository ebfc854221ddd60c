#pragma once
// The settings (view 295). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CSetupView : public CFormViewEx {
public:
    static constexpr int kViewId = 295;
    CSetupView() : CFormViewEx(kViewId) {}
};
