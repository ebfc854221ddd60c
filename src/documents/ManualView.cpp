#include "ManualView.h"

#include "MainFrame.h"
#include "PdfReader.h"
#include "ProcessValues.h"
#include "ReloadSoftwareLists.h"
#include "SoftwareLists.h"

namespace {

constexpr int kHomeView = 286;

template <typename Panel>
std::unique_ptr<Panel> MakePanel(HWND parent, const RECT& client)
{
    auto panel = std::make_unique<Panel>(parent);
    panel->SetSize(client.right - client.left, client.bottom - client.top);
    if (!panel->CreateModeless())
        return nullptr;
    MoveWindow(panel->Handle(), 0, 0, client.right - client.left, client.bottom - client.top, FALSE);
    return panel;
}

}  // namespace

CManualView::CManualView() : CPdfDocumentView(kTemplateId, kViewId, g_hManualReader) {}

void CManualView::OnDestroy()
{
    m_pManualPanel.reset();
    m_pLibraryPanel.reset();
}

void CManualView::OnShowView()
{
    CPdfDocumentView::OnShowView();
    SetUpBars();
    if (SoftwareListsChanged())
        ReloadSoftwareLists();
    AddTabs();
    CreatePanels();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        frame->MiddleLeftBar().SetCurrentItem(0);
        frame->MiddleLeftBar().Invalidate();
    }
    ShowPanels();
}

void CManualView::SetUpBars()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->TopBar().ClearButtons();
    frame->BottomBar().DestroyButtons();
    frame->MiddleLeftBar().Invalidate();
    for (int id : {1132, 1104, 1105, 1097, 1096, 1103})
        frame->TopBar().AddButton(id);
    frame->TopBar().SetCurrentButton(1103);
    for (int id : {3004, 3001, 3005, 3028, 3002, 3003, 3011})
        frame->BottomBar().AddButton(id);
    DisablePageKeys();
}

void CManualView::AddTabs()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    const std::wstring language = ResGetLanguageCode();
    if (language == L"CN") {
        bar.AddItem(L"诊断", L"诊断", this);
    } else {
        bar.AddItem(L"Quik Guide", L"Quik Guide", this);
        if (language == L"EN" && (!g_VehicleList.empty() || !g_FamilyList.empty()))
            bar.AddItem(L"Code Coverage", L"Code Coverage", this);
    }
    bar.CreateButtons();
}

// Made anew on every show, so documents installed meanwhile are listed.
void CManualView::CreatePanels()
{
    const RECT client = ClientRect();
    m_pManualPanel = MakePanel<CUserManualDlg>(Handle(), client);
    m_pLibraryPanel = MakePanel<CDiagnosedataDlg>(Handle(), client);
}

void CManualView::ShowPanels()
{
    DisablePageKeys();
    int selected = 0;
    if (CMainFrame* frame = CMainFrame::Instance())
        selected = frame->MiddleLeftBar().GetCurrentItem();
    if (m_pManualPanel)
        ShowWindow(m_pManualPanel->Handle(), selected == 0 ? SW_SHOW : SW_HIDE);
    if (m_pLibraryPanel)
        ShowWindow(m_pLibraryPanel->Handle(), selected == 1 ? SW_SHOW : SW_HIDE);
    if (Host())
        ShowWindow(Host()->Handle(), SW_HIDE);
}

void CManualView::OpenReaderHost()
{
    OpenHost();
}

void CManualView::OnBack()
{
    if (Host() && IsWindowVisible(Host()->Handle())) {
        ShowPanels();
        return;
    }
    CloseReader();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(kHomeView, 1);
}
