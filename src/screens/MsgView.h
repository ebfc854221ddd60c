#pragma once
// The message screen (view 164). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CMsgView : public CFormViewEx {
public:
    static constexpr int kViewId = 164;
    CMsgView() : CFormViewEx(kViewId) {}
};
