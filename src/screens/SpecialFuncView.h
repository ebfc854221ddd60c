#pragma once
// The special-function screen (view 10046). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CSpecialFuncView : public CFormViewEx {
public:
    static constexpr int kViewId = 10046;
    CSpecialFuncView() : CFormViewEx(kViewId) {}
};
