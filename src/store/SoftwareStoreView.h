#pragma once
// The online store (view 446). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CSoftwareStoreView : public CFormViewEx {
public:
    static constexpr int kViewId = 446;
    CSoftwareStoreView() : CFormViewEx(kViewId) {}

    // Rebuilds the tiles for the list chosen on the middle-left bar; the tiles come with the view's
    // own screen.
    void RefreshPage() {}
};
