#pragma once
// The document view (view 491): the help document the version view opened, in the reader.
#include "PdfDocumentView.h"

class CMShowView : public CPdfDocumentView {
public:
    static constexpr int kViewId = 491;
    CMShowView();

    void OnShowView() override;
    void OnBack() override;
};
