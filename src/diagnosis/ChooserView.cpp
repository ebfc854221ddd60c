#include "ChooserView.h"

#include <algorithm>

#include "ChooserPages.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "ReloadSoftwareLists.h"
#include "SoftwareLists.h"
#include "StringResources.h"
#include "VersionView.h"

namespace {

constexpr COLORREF kBackground = RGB(224, 223, 227);
constexpr int kSoftKeys[] = {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031};
constexpr int kSoftKeysOff[] = {3003, 3002, 3005, 3004};

}  // namespace

CChooserView::~CChooserView()
{
    DestroyPages();
}

void CChooserView::SetUpBars()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->TopBar().ShowButtonsForView(ViewId());
    CBottomBar& bottom = frame->BottomBar();
    bottom.DestroyButtons();
    for (int id : kSoftKeys) {
        bottom.AddButton(id);
        SetButtonState(id, true);
    }
    for (int id : kSoftKeysOff)
        SetButtonState(id, false);
    bottom.UpdateCommandStates();
}

void CChooserView::OnShowView()
{
    CFormViewEx::OnShowView();
    SetUpBars();
    if (SoftwareListsChanged())
        ReloadSoftwareLists();
    if (m_bListChanged && m_bBuilt) {
        m_bListChanged = false;
        m_bBuilt = false;
        DestroyPages();
        Invalidate(true);
    }
    if (!HasSoftware()) {
        AskForTheStore();
        return;
    }
    if (!HasEntries())
        return;
    if (const std::wstring caption = ResGetString(0x10000101); !caption.empty())
        SetText(caption);
    if (m_bBuilt) {
        FillMiddleLeftBar();
        ShowCurrentRegion();
        return;
    }
    m_bBuilt = true;
    m_bListChanged = false;
    BuildPages();
    ShowCurrentRegion();
    PrepareExchangeBlock();
}

void CChooserView::AskForTheStore()
{
    PopMsgDlg box(nullptr);
    box.SetMessage(ResGetStringOr(0x10000401, L"No vehicle model directory was found.\nPlease contact the dealer or manufacturer."));
    if (box.DoModal() != IDOK)
        return;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(446, 1);
}

int CChooserView::AddPage(const std::wstring& name)
{
    CHOOSER_PAGE page;
    page.name = name;
    page.grid = std::make_unique<CIconBtn>();
    if (page.grid->Create(WS_TABSTOP, ClientRect(), Handle(), kGridId)) {
        page.grid->LoadFrameBitmaps();
        page.grid->SetCellSize(kCellWidth, kCellHeight);
    }
    m_pages.push_back(std::move(page));
    return PageCount() - 1;
}

bool CChooserView::AddMaker(int region, int slot, const std::wstring& name, const std::wstring& logoPath,
                            const std::wstring& folderPath)
{
    if (region < 0 || region >= PageCount() || slot < 0 || slot >= static_cast<int>(kMaxMakersPerPage))
        return false;
    CHOOSER_PAGE& page = m_pages[static_cast<size_t>(region)];
    CHOOSER_ENTRY entry;
    entry.folder = folderPath.substr(0, folderPath.find_last_of(L'\\') + 1);
    entry.name = name;
    entry.logo.Reset(
        static_cast<HBITMAP>(LoadImageW(nullptr, logoPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    const int at = std::min(slot, static_cast<int>(page.entries.size()));
    page.grid->SetItem(at, name, entry.logo.Get());
    page.entries.insert(page.entries.begin() + at, std::move(entry));
    return true;
}

void CChooserView::FillMiddleLeftBar()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    for (const CHOOSER_PAGE& page : m_pages)
        bar.AddItem(page.name, L"", this);
    // The region chosen last stays chosen, also across a rebuild, while it still exists.
    const int region = m_nCurRegion >= 0 && m_nCurRegion < PageCount() ? m_nCurRegion : 0;
    bar.SetCurrentItem(region % static_cast<int>(kMaxChooserPages));
    bar.CreateButtons();
}

void CChooserView::ShowCurrentRegion()
{
    SetButtonState(3005, false);
    SetButtonState(3004, false);
    if (m_nCurRegion < 0 || m_nCurRegion >= PageCount()) {
        // A region without a page (the pages are not built yet): no grid, no page keys.
        SetButtonState(3002, false);
        SetButtonState(3003, false);
        for (const CHOOSER_PAGE& page : m_pages)
            page.grid->Show(SW_HIDE);
        return;
    }
    const CHOOSER_PAGE& current = m_pages[static_cast<size_t>(m_nCurRegion)];
    SetText(ResGetString(0x10000101) + L"---" + current.name);
    const CIconGridModel& grid = current.grid->Grid();
    SetButtonState(3002, grid.First() != 0);
    SetButtonState(3003, grid.HasNextPage(current.grid->GetItemCount()));
    for (const CHOOSER_PAGE& page : m_pages) {
        if (page.grid->IsWindow() && &page != &current)
            page.grid->Show(SW_HIDE);
    }
    if (!current.grid->IsWindow())
        return;
    current.grid->Show(SW_SHOW);
    current.grid->Invalidate(false);
    if (IsVisible())
        SetFocus(current.grid->Handle());  // the keys go to the grid that is shown
}

void CChooserView::OnPageUp()
{
    if (CIconBtn* grid = Grid(m_nCurRegion))
        grid->OnNavigateKey(gridkey::kPrior);
    ShowCurrentRegion();
}

void CChooserView::OnPageDown()
{
    if (CIconBtn* grid = Grid(m_nCurRegion))
        grid->OnNavigateKey(gridkey::kNext);
    ShowCurrentRegion();
}

void CChooserView::OnMakerClicked()
{
    CMainFrame* frame = CMainFrame::Instance();
    const int region = ClickedPage();
    const CIconBtn* grid = Grid(region);
    if (!frame || !grid)
        return;
    const CHOOSER_ENTRY* entry = Entry(region, grid->GetSelectedItem());
    if (!entry)
        return;  // a page too small for one cell selects nothing
    if (auto* version = dynamic_cast<CVersionView*>(frame->View(CVersionView::kViewId))) {
        version->SetMakerDir(entry->folder);
        version->SetMakerLogo(entry->logo.Get());
        version->SetReturnViewId(frame->CurrentViewId());
    }
    ResSetMakerName(entry->name);
    ResSetMakerDir(entry->folder);
    OnEntryChosen(region);
    frame->SwitchView(CVersionView::kViewId, 1);
}

void CChooserView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(286, 1);
}

void CChooserView::OnFuncButton5()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(295, 1);
}

// No diagnostic program runs while a chooser is shown: nothing to end, the block stays as it is.
void CChooserView::ConfirmExit()
{
    PopMsgDlg box(nullptr);
    box.SetMessage(ResGetStringOr(0x10000d07, L"Do you want to exit this program?"));
    if (box.DoModal() != IDOK)
        return;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SendMsg(WM_CLOSE);
}

bool CChooserView::OnCommand(int id, int code, HWND control)
{
    // A grid's choice comes as command 3032 without a control handle; the grid keeps its own button
    // notifications to itself.
    if (code == 0) {
        switch (id) {
        case kGridId:
            OnMakerClicked();
            return true;
        case 3021:
            OnFuncButton5();
            return true;
        case 3022:
            SendAnswer();
            return true;
        default:
            break;
        }
    }
    return CFormViewEx::OnCommand(id, code, control);
}

bool CChooserView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    CScopedBrush background(CreateSolidBrush(kBackground));
    FillRect(paint.Get(), &client, background.Get());
    return true;
}

void CChooserView::OnDestroy()
{
    DestroyPages();
}

void CChooserView::DestroyPages()
{
    // The grids go before the logos they show.
    for (CHOOSER_PAGE& page : m_pages)
        page.grid.reset();
    m_pages.clear();
}

std::wstring CChooserView::PageName(int page) const
{
    return page >= 0 && page < PageCount() ? m_pages[static_cast<size_t>(page)].name : std::wstring();
}

CIconBtn* CChooserView::Grid(int page) const
{
    return page >= 0 && page < PageCount() ? m_pages[static_cast<size_t>(page)].grid.get() : nullptr;
}

int CChooserView::EntryCount(int page) const
{
    return page >= 0 && page < PageCount() ? static_cast<int>(m_pages[static_cast<size_t>(page)].entries.size()) : 0;
}

const CHOOSER_ENTRY* CChooserView::Entry(int page, int index) const
{
    if (index < 0 || index >= EntryCount(page))
        return nullptr;
    return &m_pages[static_cast<size_t>(page)].entries[static_cast<size_t>(index)];
}
