#include "MShowView.h"

#include "MainFrame.h"
#include "PdfReader.h"

CMShowView::CMShowView() : CPdfDocumentView(kViewId, kViewId, g_hDocumentReader) {}

// The tabs of the middle-left bar stay as the page the version view was reached from left them.
void CMShowView::OnShowView()
{
    CPdfDocumentView::OnShowView();
    DisablePageKeys();
    OpenHost();
}

void CMShowView::OnBack()
{
    CloseReader();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(136, 1);
}
