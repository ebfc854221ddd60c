#pragma once
// The document view (view 491), shown in the external PDF reader.
#include "PdfDocumentView.h"

// Non-zero while the view's reader window is open.
extern int ShowReaderOpen;

class CMShowView : public CPdfDocumentView {
public:
    static constexpr int kViewId = 491;
    CMShowView() : CPdfDocumentView(kViewId, ShowReaderOpen) {}
};
