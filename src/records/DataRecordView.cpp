#include "DataRecordView.h"

#include "MainFrame.h"
#include "StringResources.h"

namespace {

constexpr int kHomeView = 286;
constexpr int kBottomCommands[] = {3004, 3001, 3005, 3028, 3002, 3003, 3011};
constexpr int kDisabledCommands[] = {3003, 3002, 3005, 3004};

}  // namespace

CDataRecordView::CDataRecordView() : CFormViewEx(kViewId) {}

CDataRecordView::~CDataRecordView() = default;

void CDataRecordView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowRecordingPageBars(*this, ResGetStringOr(0x20000171, L"Screen recording"));
    if (!m_panel) {
        auto panel = std::make_unique<CScreenRecordDlg>(Handle());
        if (!panel->CreateModeless())
            return;
        panel->Move(ClientRect());
        m_panel = std::move(panel);
    }
    m_panel->Show(SW_SHOW);
}

void ShowRecordingPageBars(CFormViewEx& view, const std::wstring& item)
{
    for (int id : kDisabledCommands)
        view.SetButtonState(id, false);
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->TopBar().ShowButtonsForView(view.ViewId());
    CMiddleLeftBar& items = frame->MiddleLeftBar();
    items.ClearItemList();
    items.AddItem(item, L"", &view);
    items.CreateButtons();
    RedrawWindow(items.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CBottomBar& bottom = frame->BottomBar();
    bottom.DestroyButtons();
    for (int id : kBottomCommands)
        bottom.AddButton(id);
    RedrawWindow(bottom.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CDataRecordView::OnBack()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(kHomeView, SW_SHOW);
}

void CDataRecordView::OnDestroy()
{
    if (m_panel)
        m_panel->Destroy();
    m_panel.reset();
    CFormViewEx::OnDestroy();
}
