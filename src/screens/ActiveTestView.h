#pragma once
// The actuator-test screen (view 166). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CActiveTestView : public CFormViewEx {
public:
    static constexpr int kViewId = 166;
    CActiveTestView() : CFormViewEx(kViewId) {}
};
