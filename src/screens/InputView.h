#pragma once
// The value-input screen (view 167). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CInputView : public CFormViewEx {
public:
    static constexpr int kViewId = 167;
    CInputView() : CFormViewEx(kViewId) {}
};
