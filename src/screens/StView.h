#pragma once
// The status-list screen (view 10056). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CStView : public CFormViewEx {
public:
    static constexpr int kViewId = 10056;
    CStView() : CFormViewEx(kViewId) {}
};
