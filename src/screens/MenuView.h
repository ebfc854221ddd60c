#pragma once
// The menu screen (view 137). Its screen is filled by its own part of the program; until then it is
// an empty view that the frame can switch to.
#include "FormViewEx.h"

class CMenuView : public CFormViewEx {
public:
    static constexpr int kViewId = 137;
    CMenuView() : CFormViewEx(kViewId) {}

    // The guard against a second Back while the diagnostic program answers the first; every view
    // switch clears it.
    static void ClearBackGuard() { s_backGuard = false; }
    static bool BackGuard() { return s_backGuard; }

protected:
    static inline bool s_backGuard = false;
};
