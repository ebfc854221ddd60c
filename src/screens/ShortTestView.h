#pragma once
// The short-test screen (view 159). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CShortTestView : public CFormViewEx {
public:
    static constexpr int kViewId = 159;
    CShortTestView() : CFormViewEx(kViewId) {}
};
