#pragma once
// The home page (view 286). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CMainPageView : public CFormViewEx {
public:
    static constexpr int kViewId = 286;
    CMainPageView() : CFormViewEx(kViewId) {}
};
