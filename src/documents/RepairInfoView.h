#pragma once
// The repair-information viewer (form 101). The frame never switches to it; the menu screens keep
// the diagnostic program's menu path here, which reports and recordings name.
#include "FormViewEx.h"

class CRepairInfoView : public CFormViewEx {
public:
    static constexpr int kViewId = 101;
    CRepairInfoView() : CFormViewEx(kViewId) {}

    void ClearNodes() {}
};
