#include "Dialog.h"

#include "ModalSeam.h"

#include <commctrl.h>

namespace {

// Templates may hold common controls (progress bars, trees); their classes must exist first.
void RegisterCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES |
                                                               ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

}  // namespace

INT_PTR CDialog::DoModal()
{
    if (const auto answer = AnswerModalBox(MODAL_BOX{m_templateId, ModalText()}))
        return *answer;
    RegisterCommonControls();
    m_modal = true;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent,
                           &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::CreateModeless()
{
    RegisterCommonControls();
    m_modal = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent,
                              &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (!IsWindow())
        return;
    if (m_modal)
        ::EndDialog(Handle(), result);
    else
        Destroy();
}

bool CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_INITDIALOG) {
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    }
    if (CWindow::HandleMessage(message, wParam, lParam, result))
        return true;
    // Enter and Escape (and buttons with these ids) end the dialog unless OnCommand took them.
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        OnOK();
        return true;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

// Inside a dialog procedure, "not handled" means the dialog manager's own processing.
LRESULT CDialog::DefaultProc(UINT, WPARAM, LPARAM)
{
    m_defaultCalled = true;
    return 0;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* object = static_cast<CDialog*>(FromHandle(dialog));
    if (!object && message == WM_INITDIALOG) {
        object = reinterpret_cast<CDialog*>(lParam);
        object->Attach(dialog);
    }
    if (!object)
        return FALSE;
    object->m_defaultCalled = false;
    const LRESULT result = object->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY || object->m_defaultCalled)
        return FALSE;  // after WM_NCDESTROY the object may be gone
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
        return static_cast<INT_PTR>(result);  // these return their value directly
    default:
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
        return TRUE;
    }
}
