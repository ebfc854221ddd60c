#include "FormView.h"

bool CFormView::CreateView(HWND frame, int controlId)
{
    SetParentWindow(frame);
    if (!CreateModeless())
        return false;
    SetWindowLongPtrW(Handle(), GWLP_ID, controlId);
    Show(SW_HIDE);
    return true;
}
