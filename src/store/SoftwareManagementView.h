#pragma once
// The installed vehicle software (view 445). The tiles of the installed software come with the
// view's own screen; until then the view sets up its bottom bar, so that Back leads to the home page.
#include "FormViewEx.h"

class CSoftwareManagementView : public CFormViewEx {
public:
    static constexpr int kViewId = 445;
    CSoftwareManagementView() : CFormViewEx(kViewId) {}

    void OnShowView() override;
    void OnBack() override;

    // Rebuilds the tiles for the list chosen on the middle-left bar.
    void RefreshPage() {}
};
