#pragma once
// The version-list screen (view 158). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CVerView : public CFormViewEx {
public:
    static constexpr int kViewId = 158;
    CVerView() : CFormViewEx(kViewId) {}
};
