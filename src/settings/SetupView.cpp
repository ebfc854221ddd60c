#include "SetupView.h"

#include "DiagnoseVerInfoDlg.h"
#include "LogDlg.h"
#include "SetLanguageDlg.h"
#include "SetRunModeDlg.h"
#include "SetScreenDlg.h"
#include "SetUnitTypeDlg.h"
#include "UpdateDlg.h"

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "MainFrame.h"
#include "RepairInfoView.h"
#include "SharedFonts.h"
#include "SharedHandles.h"
#include "resource.h"

namespace {

constexpr int kHomePage = 286;
constexpr int kTreeControl = 1077;
constexpr int kBottomCommands[] = {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031};

std::unique_ptr<CSetupPage> MakePage(SETUP_PAGE kind, HWND view)
{
    switch (kind) {
    case SETUP_PAGE::Language:
        return std::make_unique<CSetLanguageDlg>(view);
    case SETUP_PAGE::RunMode:
        return std::make_unique<CSetRunModeDlg>(view);
    case SETUP_PAGE::Units:
        return std::make_unique<CSetUnitTypeDlg>(view);
    case SETUP_PAGE::WindowSize:
        return std::make_unique<CSetScreenDlg>(view);
    case SETUP_PAGE::Log:
        return std::make_unique<CLogDlg>(view);
    case SETUP_PAGE::SystemInformation:
        return std::make_unique<CDiagnoseVerInfoDlg>(view);
    case SETUP_PAGE::Update:
        return std::make_unique<CUpdateDlg>(view);
    }
    return std::make_unique<CSetupPage>(kind, view);
}

}  // namespace

CSetupView::CSetupView() : CFormViewEx(kViewId), m_edge(LoadProgramBitmap(IDB_SETUP_EDGE)) {}

CSetupView::~CSetupView() = default;

CSetupPage* CSetupView::Page(int index) const
{
    if (index < 0 || index >= kSetupPageCount)
        return nullptr;
    return m_pages[static_cast<size_t>(index)].get();
}

int CSetupView::VisiblePage() const
{
    for (int i = 0; i < kSetupPageCount; ++i) {
        if (m_pages[static_cast<size_t>(i)] && m_pages[static_cast<size_t>(i)]->IsVisible())
            return i;
    }
    return -1;
}

void CSetupView::OnShowView()
{
    CFormViewEx::OnShowView();
    SetUpBars();
    MakePages();
    BuildTree();
    // The form's tree is never filled; it only takes the shared font, once.
    static bool treeFontGiven = false;
    if (!treeFontGiven && NormalFont()) {
        SendDlgItemMessageW(Handle(), kTreeControl, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
        treeFontGiven = true;
    }
}

void CSetupView::SetUpBars()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->TopBar().ShowButtonsForView(kViewId);
    CBottomBar& bottom = frame->BottomBar();
    bottom.DestroyButtons();
    for (int id : kBottomCommands)
        bottom.AddButton(id);
    if (CBmpBtn* button = bottom.GetButton(3031))
        button->SetChecked(false);
    RedrawWindow(bottom.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSetupView::MakePages()
{
    for (auto& page : m_pages)
        page.reset();
    const RECT client = ClientRect();
    const RECT place = {client.left, client.top, client.right - 2, client.bottom};
    for (SETUP_PAGE kind : SetupPageCreationOrder()) {
        std::unique_ptr<CSetupPage> page = MakePage(kind, Handle());
        if (!page->CreatePage(place))
            continue;
        m_pages[static_cast<size_t>(SetupPageIndex(kind))] = std::move(page);
    }
}

void CSetupView::BuildTree()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    for (const SETUP_PAGE_ENTRY& entry : SetupPages())
        bar.AddItem(SetupPageTitle(entry.page), L"", this);
    bar.SetCurrentItem(0);
    bar.CreateButtons();  // chooses item 0, which shows its page
}

void CSetupView::ShowPageTitle()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    const int index = frame->MiddleLeftBar().GetCurrentItem();
    if (!SetupPageAt(index))
        return;
    ShowPage(index);
    SetFocus(Handle());
}

void CSetupView::ShowPage(int index)
{
    const SETUP_PAGE_ENTRY* entry = SetupPageAt(index);
    for (auto& page : m_pages) {
        if (page)
            page->Show(SW_HIDE);
    }
    for (int id : kSetupPageCommands)
        SetButtonState(id, false);
    CSetupPage* page = Page(index);
    if (entry && page) {
        if (entry->checkBeforeShow)
            page->BeforeShow();
        page->Show(SW_SHOWNORMAL);
        if (entry->acceptEnabled)
            SetButtonState(3004, true);
        if (entry->buttonPaging) {
            SetButtonState(3002, page->HasPreviousButtonPage());
            SetButtonState(3003, page->HasNextButtonPage());
        }
        if (entry->readAfterShow)
            page->AfterShow();
    }
    RefreshBottomBar();
}

void CSetupView::ApplySettings()
{
    for (SETUP_PAGE kind : SetupPageApplyOrder()) {
        CSetupPage* page = Page(SetupPageIndex(kind));
        if (page && page->IsVisible())
            page->Apply();
    }
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.SelectButton(0, true);
    bar.SetCurrentItem(0);
    ShowPageTitle();
}

void CSetupView::OnAccept()
{
    ApplySettings();
}

void CSetupView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(kHomePage, 1);
}

// The page keys page through the language page's buttons; no other page has pages of its own.
void CSetupView::OnPageUp()
{
    CSetupPage* language = Page(SetupPageIndex(SETUP_PAGE::Language));
    if (!language || !language->IsVisible())
        return;
    language->PreviousButtonPage();
    UpdatePagingCommands(*language);
}

void CSetupView::OnPageDown()
{
    CSetupPage* language = Page(SetupPageIndex(SETUP_PAGE::Language));
    if (!language || !language->IsVisible())
        return;
    language->NextButtonPage();
    UpdatePagingCommands(*language);
}

void CSetupView::UpdatePagingCommands(const CSetupPage& page)
{
    SetButtonState(3002, page.HasPreviousButtonPage());
    SetButtonState(3003, page.HasNextButtonPage());
    RefreshBottomBar();
}

// The bottom bar shows a change of the enable flags at once, not only at its next update pass.
void CSetupView::RefreshBottomBar()
{
    if (CMainFrame* frame = CMainFrame::Instance(); frame && frame->ActiveViewEx() == this)
        frame->BottomBar().UpdateCommandStates();
}

bool CSetupView::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != kCloseForUpdate)
        return false;
    CloseForUpdate();
    result = 0;
    return true;
}

void CSetupView::CloseForUpdate()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    if (DiagProgramProcess()) {
        frame->LeaveDiagnosis();
        frame->RepairInfoView().ClearNodes();
    }
    frame->SendMsg(WM_CLOSE);
}

// The edge picture at the right, stretched to the view's height.
bool CSetupView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    const SIZE image = BitmapSize(m_edge.Get());
    DrawPieces(paint.Get(), m_edge.Get(),
               {STRETCH_PIECE{0, 0, image.cx, image.cy, client.right - image.cx, client.top, image.cx,
                              client.bottom - client.top}});
    return true;
}
