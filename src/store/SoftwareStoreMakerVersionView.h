#pragma once
// The store's information page of one package (view 476). Its texts come with the store's own
// screen; until then the view sets up its bars, so that Back leads to the store.
#include "FormViewEx.h"

class CSoftwareStoreMakerVersionView : public CFormViewEx {
public:
    static constexpr int kViewId = 476;
    CSoftwareStoreMakerVersionView() : CFormViewEx(kViewId) {}

    void OnShowView() override;
    void OnBack() override;
};
