#pragma once
// The vehicle-software family chooser (view 492). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CHarrowfenView : public CFormViewEx {
public:
    static constexpr int kViewId = 492;
    CHarrowfenView() : CFormViewEx(kViewId) {}
};
