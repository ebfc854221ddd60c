#pragma once
// The live-data screen (view 161). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CRdsView : public CFormViewEx {
public:
    static constexpr int kViewId = 161;
    CRdsView() : CFormViewEx(kViewId) {}
};
