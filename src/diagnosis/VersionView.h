#pragma once
// The version list of the chosen maker (view 136). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CVersionView : public CFormViewEx {
public:
    static constexpr int kViewId = 136;
    CVersionView() : CFormViewEx(kViewId) {}
};
