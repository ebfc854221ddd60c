#pragma once
// The list of data-stream recordings (view 249). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CRecorderInfoView : public CFormViewEx {
public:
    static constexpr int kViewId = 249;
    CRecorderInfoView() : CFormViewEx(kViewId) {}
};
