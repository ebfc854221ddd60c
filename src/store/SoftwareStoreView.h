#pragma once
// The online store (view 446). The tiles of the offered software come with the store's own screen;
// until then the view sets up its bars, so that the user always has Back to the home page and the
// top bar's installed-software page.
#include "FormViewEx.h"

class CSoftwareStoreView : public CFormViewEx {
public:
    static constexpr int kViewId = 446;
    CSoftwareStoreView() : CFormViewEx(kViewId) {}

    void OnShowView() override;
    void OnBack() override;

    // Rebuilds the tiles for the list chosen on the middle-left bar.
    void RefreshPage() {}
};
