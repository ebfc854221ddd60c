#pragma once
// The update page (view 305). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CUpdate : public CFormViewEx {
public:
    static constexpr int kViewId = 305;
    CUpdate() : CFormViewEx(kViewId) {}
};
