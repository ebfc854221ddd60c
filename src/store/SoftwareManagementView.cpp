#include "SoftwareManagementView.h"

#include "MainFrame.h"
#include "StoreBars.h"

void CSoftwareManagementView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowStoreBars(*this, {3001, 3002, 3003, 3035, 1126}, {3002, 3003, 3035, 1126});
}

void CSoftwareManagementView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(286, 1);
}
