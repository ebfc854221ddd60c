#pragma once
// The replay of a data-stream recording (view 162). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CReplayView : public CFormViewEx {
public:
    static constexpr int kViewId = 162;
    CReplayView() : CFormViewEx(kViewId) {}
};
