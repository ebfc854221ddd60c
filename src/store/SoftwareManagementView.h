#pragma once
// The installed vehicle software (view 445). Its screen is filled by its own part of the program; until then it is an
// empty view that the frame can switch to.
#include "FormViewEx.h"

class CSoftwareManagementView : public CFormViewEx {
public:
    static constexpr int kViewId = 445;
    CSoftwareManagementView() : CFormViewEx(kViewId) {}

    // Rebuilds the tiles for the list chosen on the middle-left bar; the tiles come with the view's
    // own screen.
    void RefreshPage() {}
};
