#include "SoftwareManagementView.h"

#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "ReloadSoftwareLists.h"
#include "SoftwareFolderRemoval.h"
#include "SoftwareLists.h"
#include "StoreBars.h"
#include "StoreListRules.h"
#include "StringResources.h"

namespace {

constexpr int kSelectAllKey = 3035;
constexpr int kTileWidth = 445;
constexpr int kTileHeight = 112;

VehicleList& ListOf(int list)
{
    return list == 0 ? g_VehicleList : g_FamilyList;
}

std::vector<int> TileIdsOf(const CSoftwareBtn& grid)
{
    std::vector<int> ids;
    for (size_t i = 0; i < grid.GetCount(); ++i)
        ids.push_back(grid.GetItemId(i));
    return ids;
}

}  // namespace

CSoftwareManagementView::~CSoftwareManagementView() = default;

CSoftwareBtn* CSoftwareManagementView::Grid(int list) const
{
    return list >= 0 && list < static_cast<int>(m_grids.size()) ? m_grids[static_cast<size_t>(list)].get() : nullptr;
}

void CSoftwareManagementView::OnShowView()
{
    CFormViewEx::OnShowView();
    SetUpBars();
    m_selection.Clear();
    if (SoftwareListsChanged())
        ReloadSoftwareLists();
    CMainFrame* frame = CMainFrame::Instance();
    if (!m_grids[0]) {
        CreateGrids();
        if (frame)
            frame->MiddleLeftBar().CreateButtons();
        FillGrids();
        m_refreshRequested = false;
    } else if (m_refreshRequested) {
        m_refreshRequested = false;
        if (frame)
            frame->MiddleLeftBar().CreateButtons();
        FillGrids();
    } else {
        if (frame)
            frame->MiddleLeftBar().CreateButtons();
        for (auto& grid : m_grids)
            UnselectAll(*grid);
    }
    RefreshPage();
}

void CSoftwareManagementView::SetUpBars()
{
    ShowStoreBars(*this, {3001, 3002, 3003, kSelectAllKey, 1126}, {3002, 3003});
    UnlatchSelectAll();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    bar.AddItem(ResGetStringOr(0x1008003C, L"Vehicle software"), L"", this);
    bar.AddItem(ResGetStringOr(0x20000169, L"Software families"), L"", this);
    bar.SetCurrentItem(0);
}

void CSoftwareManagementView::CreateGrids()
{
    const RECT client = ClientRect();
    for (auto& grid : m_grids) {
        grid = std::make_unique<CSoftwareBtn>();
        grid->CreateTileGrid(Handle(), kGridId, client, kTileWidth, kTileHeight);
    }
}

// The tiles show the lists' own logos: the grids are filled again whenever the lists are rebuilt.
void CSoftwareManagementView::FillGrids()
{
    for (int list = 0; list < static_cast<int>(m_grids.size()); ++list) {
        CSoftwareBtn& grid = *m_grids[static_cast<size_t>(list)];
        grid.RemoveAll();
        const VehicleList& entries = ListOf(list);
        for (size_t i = 0; i < entries.size(); ++i) {
            const VEHICLE_LIST_ITEM& entry = *entries[i];
            const DISPLAY_NAME_ITEM* names = entry.arrNames.empty() ? nullptr : &entry.arrNames.front();
            const std::wstring name = DisplayNameOf(entry);
            const std::wstring version = names ? store_list::VersionLineOf(names->strText) : L"";
            grid.AddItem(i, name.empty() ? entry.strFolder : name, version, names ? names->hLogo : nullptr);
        }
    }
}

void CSoftwareManagementView::RefreshPage()
{
    CMainFrame* frame = CMainFrame::Instance();
    const int chosen = frame ? frame->MiddleLeftBar().GetCurrentItem() : 0;
    const int list = chosen == 1 ? 1 : 0;
    if (list != m_currentList) {
        UnlatchSelectAll();
        if (CSoftwareBtn* old = Grid(m_currentList)) {
            for (int id : m_selection.Ids()) {
                const int position = FindTilePosition(TileIdsOf(*old), id);
                if (position >= 0 && old->IsSelected(static_cast<size_t>(position)))
                    old->ToggleSelected(static_cast<size_t>(position));
            }
        }
        m_selection.Clear();
    }
    m_currentList = list;
    CSoftwareBtn* grid = Grid(list);
    if (!grid)
        return;
    const size_t pageStart = grid->Grid().PageStart();
    SetButtonState(3002, pageStart != 0);
    SetButtonState(3003, !grid->IsLastPage());
    if (frame)
        frame->BottomBar().UpdateCommandStates();
    for (int i = 0; i < static_cast<int>(m_grids.size()); ++i) {
        if (m_grids[static_cast<size_t>(i)])
            m_grids[static_cast<size_t>(i)]->Show(i == list ? SW_SHOW : SW_HIDE);
    }
    grid->Invalidate(true);
}

void CSoftwareManagementView::OnBack()
{
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(286, 1);
}

void CSoftwareManagementView::OnPageUp()
{
    if (CSoftwareBtn* grid = Grid(m_currentList))
        grid->MoveHot(VK_PRIOR);
    RefreshPage();
}

void CSoftwareManagementView::OnPageDown()
{
    if (CSoftwareBtn* grid = Grid(m_currentList))
        grid->MoveHot(VK_NEXT);
    RefreshPage();
}

void CSoftwareManagementView::UnlatchSelectAll()
{
    UnlatchBottomKey(kSelectAllKey);
}

void CSoftwareManagementView::OnToggleSelectAll()
{
    CMainFrame* frame = CMainFrame::Instance();
    CBmpBtn* key = frame ? frame->BottomBar().GetButton(kSelectAllKey) : nullptr;
    CSoftwareBtn* grid = Grid(m_currentList);
    if (!key || !grid)
        return;
    const bool latched = !key->GetChecked();
    key->SetChecked(latched);
    if (latched) {
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            if (!grid->IsSelected(i)) {
                grid->ToggleSelected(i);
                m_selection.Add(grid->GetItemId(i));
            }
        }
    } else {
        UnselectAll(*grid);
    }
    grid->Invalidate(true);
}

// Unselects the tiles of the selection list in `grid` and empties the list.
void CSoftwareManagementView::UnselectAll(CSoftwareBtn& grid)
{
    for (size_t i = 0; i < grid.GetCount(); ++i) {
        if (grid.IsSelected(i))
            grid.ToggleSelected(i);
    }
    m_selection.Clear();
}

void CSoftwareManagementView::OnSelectClicked(size_t index, bool select)
{
    CSoftwareBtn* grid = Grid(m_currentList);
    if (!grid || index >= grid->GetCount())
        return;
    grid->ToggleSelected(index);
    if (select)
        m_selection.Add(grid->GetItemId(index));
    else
        m_selection.Remove(grid->GetItemId(index));
    grid->Invalidate(true);
}

// Removes tile `position` and deletes its package folder; false when the folder is not all gone.
bool CSoftwareManagementView::RemoveTile(CSoftwareBtn& grid, size_t position)
{
    VehicleList& entries = ListOf(m_currentList);
    grid.RemoveItem(position);
    if (position >= entries.size())
        return false;
    const bool deleted = DeleteSoftwareFolder(entries[position]->strPath, ResGetAppDir());
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(position));
    return deleted;
}

void CSoftwareManagementView::OnDelete()
{
    CSoftwareBtn* grid = Grid(m_currentList);
    if (!grid)
        return;
    if (m_selection.Empty()) {
        PopMsgDlg::Show(ResGetStringOr(0x20000104, L"Please choose the software to delete."));
        UnlatchSelectAll();
        return;
    }
    bool allDeleted = true;
    for (int id : m_selection.Ids()) {
        const int position = FindTilePosition(TileIdsOf(*grid), id);
        if (position >= 0)
            allDeleted = RemoveTile(*grid, static_cast<size_t>(position)) && allDeleted;
    }
    AfterDeletion(*grid, allDeleted);
}

void CSoftwareManagementView::DeleteOne(size_t index)
{
    CSoftwareBtn* grid = Grid(m_currentList);
    if (!grid || index >= grid->GetCount())
        return;
    UnselectAll(*grid);
    AfterDeletion(*grid, RemoveTile(*grid, index));
}

// A package that could not be deleted whole is said, and the lists are rescanned so that what is
// left of it shows again rather than seeming gone.
void CSoftwareManagementView::AfterDeletion(CSoftwareBtn& grid, bool allDeleted)
{
    grid.Renumber();
    m_selection.Clear();
    UnlatchSelectAll();
    SetSoftwareListsChanged(true);
    RefreshPage();
    if (!allDeleted) {
        PopMsgDlg::Show(L"The software could not be deleted completely: some of its files are in use or read-only.");
        ReloadSoftwareLists();
        FillGrids();
        m_refreshRequested = false;
        RefreshPage();
    }
}

bool CSoftwareManagementView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case CSoftwareBtn::kSelectClicked:
        OnSelectClicked(static_cast<size_t>(wParam), lParam == 1);
        break;
    case CSoftwareBtn::kActionClicked:
        DeleteOne(static_cast<size_t>(wParam));
        break;
    case CSoftwareBtn::kPageMoved:
        RefreshPage();
        break;
    case 0x465:
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}
