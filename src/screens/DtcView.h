#pragma once
// The trouble-code screen (view 138). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CDtcView : public CFormViewEx {
public:
    static constexpr int kViewId = 138;
    CDtcView() : CFormViewEx(kViewId) {}
};
