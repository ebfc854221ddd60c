#pragma once
// The store's version list of one maker (view 476). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CSoftwareStoreMakerVersionView : public CFormViewEx {
public:
    static constexpr int kViewId = 476;
    CSoftwareStoreMakerVersionView() : CFormViewEx(kViewId) {}
};
