#include "MShowView.h"

#include "MainFrame.h"
#include "PdfReader.h"
#include "VersionView.h"

CMShowView::CMShowView() : CPdfDocumentView(kViewId, kViewId, g_hDocumentReader) {}

// The tabs of the middle-left bar are those of the page the version view was reached from; a tab
// pressed here closes the reader and returns to that page.
void CMShowView::OnShowView()
{
    CPdfDocumentView::OnShowView();
    DisablePageKeys();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        if (auto* versions = dynamic_cast<CVersionView*>(frame->View(136)))
            versions->FillMiddleLeftBar(this);
    }
    OpenHost();
}

void CMShowView::OnBack()
{
    CloseReader();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(136, 1);
}
