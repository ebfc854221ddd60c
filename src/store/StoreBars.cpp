#include "StoreBars.h"

#include "BmpBtn.h"
#include "BottomBar.h"
#include "FormViewEx.h"
#include "MainFrame.h"
#include "TopBar.h"

void ShowStoreBars(CFormViewEx& view, std::initializer_list<int> commands, std::initializer_list<int> disabled)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    for (int id : commands)
        view.SetButtonState(id, true);
    for (int id : disabled)
        view.SetButtonState(id, false);
    CBottomBar& bottom = frame->BottomBar();
    bottom.DestroyButtons();
    for (int id : commands)
        bottom.AddButton(id);
    bottom.UpdateCommandStates();
    RedrawWindow(bottom.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ShowStorePagesOnTopBar(int current)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CTopBar& top = frame->TopBar();
    top.ClearButtons();
    top.AddButton(1102, true);
    top.AddButton(1101, true);
    top.SetCurrentButton(current);
    RedrawWindow(top.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void UnlatchBottomKey(int command)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (CBmpBtn* key = frame ? frame->BottomBar().GetButton(command) : nullptr; key && key->GetChecked())
        key->SetChecked(false);
}
