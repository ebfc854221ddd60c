#pragma once
// The picture screen (view 168). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CPictureView : public CFormViewEx {
public:
    static constexpr int kViewId = 168;
    CPictureView() : CFormViewEx(kViewId) {}
};
