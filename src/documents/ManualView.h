#pragma once
// The user manuals (view 505), shown in the external PDF reader.
#include "PdfDocumentView.h"

// Non-zero while the view's reader window is open.
extern int ManualReaderOpen;

class CManualView : public CPdfDocumentView {
public:
    static constexpr int kViewId = 505;
    CManualView() : CPdfDocumentView(kViewId, ManualReaderOpen) {}

    // Shows the panel the middle-left bar's current item selects; the panels come with the manuals'
    // own screen.
    void ShowPanels() {}
};
