#pragma once
// The progress screen (view 165). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CBarView : public CFormViewEx {
public:
    static constexpr int kViewId = 165;
    CBarView() : CFormViewEx(kViewId) {}
};
