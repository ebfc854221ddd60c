#pragma once
// The multiple-selection screen (view 160). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CMultSelectView : public CFormViewEx {
public:
    static constexpr int kViewId = 160;
    CMultSelectView() : CFormViewEx(kViewId) {}
};
