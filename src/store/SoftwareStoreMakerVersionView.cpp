#include "SoftwareStoreMakerVersionView.h"

#include "MainFrame.h"
#include "StoreBars.h"

void CSoftwareStoreMakerVersionView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowStorePagesOnTopBar(1101);
    ShowStoreBars(*this, {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031}, {3002, 3003, 3004, 3005});
    if (CMainFrame* frame = CMainFrame::Instance()) {
        if (CBmpBtn* button = frame->BottomBar().GetButton(3031))
            button->SetChecked(false);
    }
}

void CSoftwareStoreMakerVersionView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(446, 1);
}
