#include "SoftwareStoreView.h"

#include "ButtonBar.h"
#include "MainFrame.h"
#include "StoreBars.h"

void CSoftwareStoreView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowStorePagesOnTopBar(1101);
    // Resume and pause belong to a running download; nothing runs before the tiles exist.
    ShowStoreBars(*this, {3001, 3002, 3003, 3035, 3034, 1117, 1116}, {3002, 3003, 3035, 3034});
    if (CMainFrame* frame = CMainFrame::Instance()) {
        for (int id : {1117, 1116}) {
            if (CBmpBtn* button = frame->BottomBar().GetButton(id))
                button->Show(SW_HIDE);
        }
    }
}

void CSoftwareStoreView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(286, 1);
}
