#pragma once
// The list of screen recordings (view 494). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CReplaygifView : public CFormViewEx {
public:
    static constexpr int kViewId = 494;
    CReplaygifView() : CFormViewEx(kViewId) {}
};
