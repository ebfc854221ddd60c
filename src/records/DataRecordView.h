#pragma once
// The recording page (view 493). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CDataRecordView : public CFormViewEx {
public:
    static constexpr int kViewId = 493;
    CDataRecordView() : CFormViewEx(kViewId) {}
};
