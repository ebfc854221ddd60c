#include "TopBar.h"

#include "BarDrawing.h"
#include "MShowView.h"
#include "MainFrame.h"
#include "ManualView.h"
#include "OutsideTools.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "RepairInfoView.h"
#include "StringResources.h"
#include "TopBarModel.h"
#include "resource.h"

namespace {

constexpr int kManualView = 505;

std::wstring LeaveQuestion()
{
    const std::wstring text = ResGetString(0x10080018);
    return text.empty() ? L"The diagnose application is running,and if some of the important operation in progress at "
                          L"this time,it is recommended to exit after the operation is complete.Are you sure to quit?"
                        : text;
}

template <typename View>
View* FrameView(int viewId)
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? dynamic_cast<View*>(frame->View(viewId)) : nullptr;
}

}  // namespace

CTopBar::CTopBar() : CDialogBar(kBarId) {}

CTopBar::~CTopBar() = default;

bool CTopBar::OnInitDialog()
{
    m_background.Reset(LoadProgramBitmap(IDB_TOPBAR_BACKGROUND));
    return false;
}

void CTopBar::OnDestroy()
{
    ClearButtons();
}

void CTopBar::AddButton(int id, bool show)
{
    ++m_slotCount;
    std::erase_if(m_buttons, [id](const auto& button) { return button->ControlId() == id; });
    const TOP_BAR_BUTTON* entry = FindTopBarButton(id);
    if (!entry || !IsWindow())
        return;
    if (entry->rule == BUTTON_RULE::WhenManualAvailable && !ManualAvailable(ResGetLanguageCode()))
        return;

    int width = kTopBarButtonWidth;
    if (entry->wide) {
        CScopedBitmap normal(LoadProgramBitmap(entry->normal));
        width = BitmapSize(normal.Get()).cx;
    }
    const RECT client = ClientRect();
    const int x = TopBarButtonX(client.left, client.right, m_slotCount, width);
    const int y = client.top + kTopBarButtonTop;
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", 0, RECT{x, y, x + width, y + kTopBarButtonHeight}, Handle(), id))
        return;
    button->SetBitmaps(entry->normal, entry->pressed, entry->disabled, 0);
    button->Show(show ? SW_SHOW : SW_HIDE);
    button->Enable(RuleAllows(entry->rule, ToolExists(entry->tool), ResGetLanguageCode()));
    m_buttons.push_back(std::move(button));
}

void CTopBar::ClearButtons()
{
    m_slotCount = 0;
    m_buttons.clear();
}

CBmpBtn* CTopBar::GetButton(int id) const
{
    for (const auto& button : m_buttons) {
        if (button->ControlId() == id)
            return button.get();
    }
    return nullptr;
}

void CTopBar::SetCurrentButton(int id)
{
    for (const auto& button : m_buttons)
        button->SetChecked(button->ControlId() == id);
}

void CTopBar::EnableButton(int id, bool enable)
{
    if (CBmpBtn* button = GetButton(id))
        button->Enable(enable);
}

void CTopBar::ShowButtonsForView(int viewId)
{
    const TOP_BAR_SET set = TopBarSetForView(viewId);
    ClearButtons();
    for (int id : set.buttons)
        AddButton(id, true);
    SetCurrentButton(set.current);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CTopBar::ConfirmLeave()
{
    CMainFrame* frame = CMainFrame::Instance();
    bool agreed = true;
    if (frame && frame->IsDiagnosisRunning()) {
        PopMsgDlg box(frame->Handle());
        box.SetMessage(LeaveQuestion());
        if (box.DoModal() == IDOK) {
            frame->SetDiagnosisRunning(false);
        } else {
            Invalidate();
            agreed = false;
        }
    }
    if (g_hDocumentReader) {
        if (auto* show = FrameView<CMShowView>(491))
            show->CloseReader();
    }
    if (g_hManualReader) {
        if (auto* manual = FrameView<CManualView>(kManualView))
            manual->CloseReader();
    }
    return agreed;
}

// The turn goes back and the block is reset whether or not the shell holds the diagnostic
// program's process: a program started by other means must not find the turn taken for good.
void CTopBar::EndDiagnosis()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->LeaveDiagnosis();
    frame->RepairInfoView().ClearNodes();
}

void CTopBar::OnButtonClicked(int id)
{
    const TOP_BAR_BUTTON* entry = FindTopBarButton(id);
    CMainFrame* frame = CMainFrame::Instance();
    if (!entry || !frame)
        return;
    if (entry->tool != OUTSIDE_TOOL::None) {
        StartOutsideTool(entry->tool);
        return;
    }
    if (id == 1103 && frame->CurrentViewId() == kManualView) {
        if (auto* manual = FrameView<CManualView>(kManualView))
            manual->ShowPanels();
        return;
    }
    if (entry->leaves) {
        if (!ConfirmLeave())
            return;
        EndDiagnosis();
    }
    if (entry->latches)
        SetCurrentButton(id);
    if (entry->targetView)
        frame->SwitchView(entry->targetView, 1);
}

bool CTopBar::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED || !FindTopBarButton(id))
        return false;
    OnButtonClicked(id);
    return true;
}

bool CTopBar::OnPaint()
{
    CPaintDc paint(Handle());
    const SIZE image = BitmapSize(m_background.Get());
    const RECT client = ClientRect();
    DrawPieces(paint.Get(), m_background.Get(), TopBarPieces(image.cx, image.cy, client.right, client.bottom));
    return true;
}
