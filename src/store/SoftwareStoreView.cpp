#include "SoftwareStoreView.h"

#include <algorithm>

#include "BackgroundRequest.h"
#include "BottomBar.h"
#include "ConfigStore.h"
#include "LogoBitmap.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "ReloadSoftwareLists.h"
#include "SoftwareLists.h"
#include "SoftwareStoreMakerVersionView.h"
#include "StoreBars.h"
#include "StringResources.h"
#include "TopBar.h"
#include "UpdateBlocks.h"
#include "UpdateMessages.h"
#include "UpdateThreads.h"
#include "WebClient.h"

using namespace update_messages;

namespace {

constexpr int kSelectAllKey = 3035;
constexpr int kDownloadKey = 3034;
constexpr int kPauseKey = 1116;
constexpr int kResumeKey = 1117;
constexpr int kInstalledTopButton = 1102;
constexpr int kTileWidth = 445;
constexpr int kTileHeight = 112;

// The name keys of the two pages in "Config.xml".
constexpr const wchar_t* kNameKeys[CSoftwareStoreView::kPageCount] = {L"VEHICLE\\MULTILANGUAGE\\VEHICLENAME\\",
                                                                      L"HARROWFEN\\VEHICLENAME\\"};

std::wstring Text(uint32_t id, const wchar_t* english)
{
    return ResGetStringOr(id, english);
}

std::wstring InstalledText()
{
    return Text(0x20000146, L"Installed");
}

const VehicleList& InstalledListOf(int page)
{
    return page == 0 ? g_VehicleList : g_FamilyList;
}

std::vector<store_list::INSTALLED_ITEM> InstalledItemsOf(int page)
{
    std::vector<store_list::INSTALLED_ITEM> items;
    for (const auto& item : InstalledListOf(page)) {
        const std::wstring version =
            item->arrNames.empty() ? L"" : store_list::VersionLineOf(item->arrNames.front().strText);
        items.push_back({DisplayNameOf(*item), version});
    }
    return items;
}

std::wstring StoreName(int page, const std::wstring& code)
{
    const std::wstring element = kNameKeys[page] + code;
    std::wstring name = GetConfigValue(element.c_str(), ResGetLanguageCode().c_str(), L"");
    if (name.empty())
        name = GetConfigValue(element.c_str(), L"EN", L"");
    return name;
}

CBmpBtn* BottomButton(int id)
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->BottomBar().GetButton(id) : nullptr;
}

void EnableInstalledPage(bool enable)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TopBar().EnableButton(kInstalledTopButton, enable);
}

}  // namespace

// Written by the request's thread, read by the view once the request has posted its answer.
struct CSoftwareStoreView::FETCHED_LISTS {
    std::array<std::vector<ProductRecord>, kPageCount> offered;
    std::array<bool, kPageCount> failed{};  // the request of the page's list failed
};

struct CSoftwareStoreView::FETCHED_TEXTS {
    int page = 0;
    size_t tile = 0;
    std::wstring first;
    std::wstring second;
};

CSoftwareStoreView::CSoftwareStoreView() : CFormViewEx(kViewId) {}

// The grids go before the logos they draw; a batch of this store ends with it.
CSoftwareStoreView::~CSoftwareStoreView()
{
    for (auto& grid : m_grids)
        grid.reset();
    if (Handle())
        StopUpdateThreadsOwnedBy(Handle());
}

// At the program's exit the window goes long before the object: the batch must not outlive it.
void CSoftwareStoreView::OnDestroy()
{
    StopUpdateThreadsOwnedBy(Handle());
    CFormViewEx::OnDestroy();
}

CSoftwareBtn* CSoftwareStoreView::Grid(int page) const
{
    return page >= 0 && page < kPageCount ? m_grids[static_cast<size_t>(page)].get() : nullptr;
}

bool CSoftwareStoreView::GetPageNames(std::vector<std::wstring>& names) const
{
    names = m_pageNames;
    return true;
}

void CSoftwareStoreView::OnShowView()
{
    CFormViewEx::OnShowView();
    m_textsRequest.reset();  // asked for before the user left: the answer would come out of the blue
    SetProgressWindow(Handle());
    SetUpBars();
    if (!m_grids[0])
        CreateGrids();
    if (m_batchExists) {
        if (m_pausedByLeaving)
            OnResume();
        ShowBatchBars();
        RefreshPage();
        return;
    }
    EnableInstalledPage(true);
    SetButtonState(kDownloadKey, true);
    SetButtonState(kSelectAllKey, true);
    SetButtonState(3002, false);
    SetButtonState(3003, false);
    if (SoftwareListsChanged())
        ReloadSoftwareLists();
    bool listsFailed = false;
    if (m_listsWaiting) {
        const auto lists = std::move(m_listsWaiting);
        listsFailed = !FillPages(*lists);
    } else if (m_loaded && m_refreshRequested) {
        m_refreshRequested = false;
        RemarkInstalled();
    } else if (m_loaded) {
        ResetTiles();
    } else if (!m_listsRequest) {
        BuildStoreList(0);
    }
    RefreshPage();
    if (listsFailed)
        TellListsFailed();
}

void CSoftwareStoreView::SetUpBars()
{
    ShowStorePagesOnTopBar(1101);
    ShowStoreBars(*this, {3001, 3002, 3003, kSelectAllKey, kDownloadKey, kResumeKey, kPauseKey}, {3002, 3003});
    ShowPauseKeys(false, false);
    FillPageNames();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    for (const auto& name : m_pageNames)
        bar.AddItem(name, L"", this);
    const int guide = ResGetGuideIndex();
    const int current = m_loaded && guide >= 0 && guide < kPageCount ? guide % 7 : 0;
    bar.SetCurrentItem(current);
    bar.CreateButtons();
}

void CSoftwareStoreView::FillPageNames()
{
    m_pageNames = {Text(0x1008003C, L"Vehicle software"), Text(0x20000169, L"Software families")};
}

void CSoftwareStoreView::CreateGrids()
{
    m_serialNumber = GetConfigValue(L"COMMON\\LOGIN", L"SERIALNO", L"");
    const RECT client = ClientRect();
    for (auto& grid : m_grids) {
        grid = std::make_unique<CSoftwareBtn>();
        grid->CreateTileGrid(Handle(), kGridId, client, kTileWidth, kTileHeight);
    }
}

void CSoftwareStoreView::ShowBatchBars()
{
    EnableInstalledPage(false);
    SetButtonState(kDownloadKey, false);
    SetButtonState(kSelectAllKey, false);
    ShowPauseKeys(!m_paused, m_paused);
}

void CSoftwareStoreView::ShowPauseKeys(bool pauseShown, bool resumeShown)
{
    if (CBmpBtn* pause = BottomButton(kPauseKey))
        pause->Show(pauseShown ? SW_SHOW : SW_HIDE);
    if (CBmpBtn* resume = BottomButton(kResumeKey))
        resume->Show(resumeShown ? SW_SHOW : SW_HIDE);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

int CSoftwareStoreView::RefreshPage()
{
    CMainFrame* frame = CMainFrame::Instance();
    const int chosen = frame ? frame->MiddleLeftBar().GetCurrentItem() : 0;
    const int page = chosen >= 0 && chosen < kPageCount ? chosen : 0;
    if (page != m_shownPage) {
        m_textsRequest.reset();
        UnlatchSelectAll();
        UnselectAll();
        m_shownPage = page;
    }
    if (CSoftwareBtn* grid = Grid(page)) {
        SetButtonState(3002, grid->Grid().PageStart() != 0);
        SetButtonState(3003, !grid->IsLastPage());
    }
    if (frame)
        frame->BottomBar().UpdateCommandStates();
    for (int i = 0; i < kPageCount; ++i) {
        if (CSoftwareBtn* grid = Grid(i); grid && grid->IsWindow())
            grid->Show(i == page ? SW_SHOW : SW_HIDE);
    }
    if (CSoftwareBtn* grid = Grid(page); grid && grid->IsWindow())
        grid->Invalidate(true);
    return 1;
}

void CSoftwareStoreView::OnPageUp()
{
    if (CSoftwareBtn* grid = Grid(m_shownPage))
        grid->MoveHot(VK_PRIOR);
    RefreshPage();
}

void CSoftwareStoreView::OnPageDown()
{
    if (CSoftwareBtn* grid = Grid(m_shownPage))
        grid->MoveHot(VK_NEXT);
    RefreshPage();
}

// ---- the lists -------------------------------------------------------------------------------

void CSoftwareStoreView::BuildStoreList(int)
{
    auto lists = std::make_shared<FETCHED_LISTS>();
    m_listsRequest = lists;
    WebServerAddress server = WebServerHost();
    const std::wstring serial = m_serialNumber;
    const std::wstring language = ResGetLanguageCode();
    const bool started = CBackgroundRequest::Start(Handle(), kListsFetched, ++m_ticket, [=] {
        WebClient client(server);
        for (size_t page = 0; page < kPageCount; ++page) {
            auto offered = client.FetchAllProducts(serial, language, static_cast<int>(page) + 1);
            lists->failed[page] = !offered;
            lists->offered[page] = std::move(offered).value_or(std::vector<ProductRecord>());
        }
    });
    if (!started)
        m_listsRequest.reset();
}

void CSoftwareStoreView::OnListsFetched(WPARAM ticket)
{
    if (ticket != m_ticket || !m_listsRequest)
        return;
    const auto lists = std::move(m_listsRequest);
    CMainFrame* frame = CMainFrame::Instance();
    if (m_batchExists || (frame && frame->CurrentViewId() != kViewId)) {
        m_listsWaiting = lists;  // the tiles take the store's look: they are made at its next show
        return;
    }
    const bool came = FillPages(*lists);
    RefreshPage();
    if (!came)
        TellListsFailed();
}

// A service that gave nothing, or could not be asked, is asked again at the next show; once it
// answered with something, not again this run. True when every list came.
bool CSoftwareStoreView::FillPages(const FETCHED_LISTS& lists)
{
    const bool came = std::none_of(lists.failed.begin(), lists.failed.end(), [](bool failed) { return failed; });
    m_loaded = came && std::any_of(lists.offered.begin(), lists.offered.end(),
                                   [](const auto& list) { return !list.empty(); });
    m_refreshRequested = false;
    m_selection.clear();
    for (int page = 0; page < kPageCount; ++page)
        FillPage(page, lists.offered[static_cast<size_t>(page)]);
    return came;
}

// A failed request must not look like a service that offers nothing: the pages it left empty
// would say so.
void CSoftwareStoreView::TellListsFailed()
{
    PopMsgDlg::Show(L"The list of software could not be fetched from the service. Check the network "
                    L"connection and open the store again.");
}

void CSoftwareStoreView::FillPage(int page, const std::vector<ProductRecord>& offered)
{
    CSoftwareBtn* grid = Grid(page);
    auto& products = m_products[static_cast<size_t>(page)];
    auto& logos = m_logos[static_cast<size_t>(page)];
    if (!grid)
        return;
    grid->RemoveAll();
    products.clear();
    logos.clear();
    const auto sorted = store_list::SortProductsByCode(offered);
    const auto tiles = store_list::PlanStoreTiles(sorted, InstalledItemsOf(page),
                                                  [page](const std::wstring& code) { return StoreName(page, code); });
    for (const auto& tile : tiles) {
        const ProductRecord& record = sorted[tile.record];
        const size_t position = products.size();
        products.push_back(record);
        logos.emplace_back(LoadLogoBitmap(record.SoftwareCode));
        grid->AddItem(position, tile.name, tile.versionText, logos.back().Get());
        if (tile.state == store_list::kUpdateOffered) {
            grid->SetMarked(position, true);
        } else if (tile.state == store_list::kInstalled) {
            grid->SetSelectable(position, false);
            grid->SetActionEnabled(position, false);
            grid->ShowStatus(position);
            grid->HideBadge(position);
            grid->SetStatusText(position, InstalledText());
        }
        grid->SetState(position, tile.state);
    }
}

void CSoftwareStoreView::RemarkInstalled()
{
    for (int page = 0; page < kPageCount; ++page) {
        CSoftwareBtn* grid = Grid(page);
        if (!grid)
            continue;
        const auto installed = InstalledItemsOf(page);
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            grid->SetInfoEnabled(i, true);
            grid->SetLocked(i, false);
            if (grid->IsSelected(i))
                grid->ToggleSelected(i);
            const int state = grid->GetState(i);
            if (state == store_list::kNotInstalled)
                continue;
            const int now = store_list::RemarkState(grid->GetItemName(i), grid->GetItemText(i), state, installed);
            if (now == store_list::kNotInstalled) {
                grid->SetMarked(i, false);
                grid->SetActionEnabled(i, true);
                grid->SetSelectable(i, true);
                grid->ShowBadge(i);
                grid->HideStatus(i);
            } else {
                grid->SetMarked(i, now == store_list::kUpdateOffered);
                if (now == store_list::kInstalled) {
                    grid->SetActionEnabled(i, false);
                    grid->SetSelectable(i, false);
                    grid->HideBadge(i);
                    grid->ShowStatus(i);
                }
                grid->SetStatusText(i, InstalledText());
            }
            grid->SetState(i, now);
        }
    }
    m_selection.clear();
}

void CSoftwareStoreView::ResetTiles()
{
    for (auto& grid : m_grids) {
        if (!grid)
            continue;
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            grid->SetLocked(i, false);
            grid->SetInfoEnabled(i, true);
        }
    }
    UnselectAll();
    UnlatchSelectAll();
}

// ---- selection -------------------------------------------------------------------------------

void CSoftwareStoreView::UnselectAll()
{
    for (auto& grid : m_grids) {
        if (!grid)
            continue;
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            if (grid->IsSelected(i))
                grid->ToggleSelected(i);
        }
    }
    m_selection.clear();
}

void CSoftwareStoreView::UnlatchSelectAll()
{
    UnlatchBottomKey(kSelectAllKey);
}

void CSoftwareStoreView::OnTileSelect(size_t index, bool select)
{
    CSoftwareBtn* grid = Grid(m_shownPage);
    if (!grid || index >= grid->GetCount() || m_batchExists)
        return;
    const int tile = static_cast<int>(index);
    const auto listed = std::find(m_selection.begin(), m_selection.end(), tile);
    if (select == grid->IsSelected(index))
        return;  // a second notice for the same tile changes nothing
    grid->ToggleSelected(index);
    if (select)
        m_selection.push_back(tile);
    else if (listed != m_selection.end())
        m_selection.erase(listed);
}

void CSoftwareStoreView::OnToggleSelectAll()
{
    CBmpBtn* key = BottomButton(kSelectAllKey);
    CSoftwareBtn* grid = Grid(m_shownPage);
    if (!key || !grid || m_batchExists)
        return;
    const bool latched = !key->GetChecked();
    key->SetChecked(latched);
    if (!latched) {
        UnselectAll();
        return;
    }
    for (size_t i = 0; i < grid->GetCount(); ++i) {
        if (grid->IsSelectable(i) && !grid->IsSelected(i)) {
            grid->ToggleSelected(i);
            m_selection.push_back(static_cast<int>(i));
        }
    }
}

// ---- the batch -------------------------------------------------------------------------------

void CSoftwareStoreView::DownloadSelected()
{
    if (m_batchExists)
        return;
    m_batchPage = m_shownPage;
    if (m_selection.empty()) {
        PopMsgDlg::Show(Text(0x20000047, L"Please choose the software to download."));
        UnlatchSelectAll();
        return;
    }
    const std::vector<int> tiles = m_selection;
    m_selection.clear();
    StartBatch(tiles, true);
}

void CSoftwareStoreView::OnItemChosen(size_t index)
{
    CSoftwareBtn* grid = Grid(m_shownPage);
    if (m_batchExists || !grid || index >= grid->GetCount())
        return;
    m_batchPage = m_shownPage;
    if (grid->IsSelected(index)) {
        grid->ToggleSelected(index);
        const auto listed = std::find(m_selection.begin(), m_selection.end(), static_cast<int>(index));
        if (listed != m_selection.end())
            m_selection.erase(listed);
    }
    StartBatch({static_cast<int>(index)}, false);
}

void CSoftwareStoreView::StartBatch(const std::vector<int>& tiles, bool showWaiting)
{
    CSoftwareBtn* grid = BatchGrid();
    const auto& products = m_products[static_cast<size_t>(m_batchPage)];
    UpdateJobList jobs;
    for (int index : tiles) {
        if (grid && index >= 0 && static_cast<size_t>(index) < std::min(products.size(), grid->GetCount()))
            jobs.push_back({index, products[static_cast<size_t>(index)]});
    }
    if (jobs.empty())
        return;
    m_refreshRequested = true;
    BeginBatch();
    RememberTiles(jobs);
    if (showWaiting)
        ShowWaiting(jobs);
    Invalidate(true);
    TheUpdateJobList() = std::move(jobs);
    SetProgressWindow(Handle());
    StartUpdateThreads();
    m_batchNumber = UpdateBatchNumber();
}

void CSoftwareStoreView::BeginBatch()
{
    // The information page would leave the batch's page, and its bars would offer the removal of
    // what is being installed.
    m_textsRequest.reset();
    m_batchExists = true;
    m_paused = false;
    m_pausedByLeaving = false;
    m_progressJob = -1;
    m_failedDownloads.clear();
    ShowBatchBars();
    for (auto& grid : m_grids) {
        if (!grid)
            continue;
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            grid->SetInfoEnabled(i, false);
            grid->SetSelectable(i, false);
            grid->SetActionEnabled(i, false);
        }
    }
}

void CSoftwareStoreView::ShowWaiting(const UpdateJobList& jobs)
{
    CSoftwareBtn* grid = BatchGrid();
    const std::wstring waiting = Text(0x20000078, L"Waiting");
    for (const UpdateJob& job : jobs) {
        const auto i = static_cast<size_t>(job.JobId);
        grid->SetLocked(i, true);
        grid->HideBadge(i);
        grid->ShowStatus(i);
        grid->SetStatusText(i, waiting);
    }
}

void CSoftwareStoreView::RememberTiles(const UpdateJobList& jobs)
{
    m_unsettledTiles.clear();
    const CSoftwareBtn* grid = BatchGrid();
    for (const UpdateJob& job : jobs) {
        const _DiagSoftware_Info_& tile = grid->Tile(static_cast<size_t>(job.JobId));
        m_unsettledTiles.push_back({job.JobId, tile.strStatus, tile.bShowStatus != 0, tile.bShowBadge != 0});
    }
}

// The job of the tile has its result, which the tile now shows.
void CSoftwareStoreView::TileSettled(size_t index)
{
    std::erase_if(m_unsettledTiles,
                  [index](const TILE_BEFORE& before) { return before.tile == static_cast<int>(index); });
}

void CSoftwareStoreView::RestoreUnsettledTiles()
{
    CSoftwareBtn* grid = BatchGrid();
    for (const TILE_BEFORE& before : m_unsettledTiles) {
        const auto i = static_cast<size_t>(before.tile);
        if (!grid || i >= grid->GetCount())
            continue;
        grid->SetStatusText(i, before.status);
        if (before.statusShown)
            grid->ShowStatus(i);
        else
            grid->HideStatus(i);
        if (before.badgeShown)
            grid->ShowBadge(i);
        else
            grid->HideBadge(i);
    }
    m_unsettledTiles.clear();
}

void CSoftwareStoreView::EndBatch()
{
    m_batchExists = false;
    m_unsettledTiles.clear();
    m_paused = false;
    m_pausedByLeaving = false;
    m_progressJob = -1;
    EnableInstalledPage(true);
    SetButtonState(kDownloadKey, true);
    SetButtonState(kSelectAllKey, true);
    ShowPauseKeys(false, false);
    UnlatchSelectAll();
    for (auto& grid : m_grids) {
        if (!grid)
            continue;
        grid->HideProgress();
        for (size_t i = 0; i < grid->GetCount(); ++i) {
            grid->SetInfoEnabled(i, true);
            grid->SetLocked(i, false);
            if (grid->GetState(i) == store_list::kNotInstalled) {
                grid->SetSelectable(i, true);
                grid->SetActionEnabled(i, true);
            }
        }
    }
    UnselectAll();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CSoftwareStoreView::OnPause()
{
    if (!m_batchExists)
        return;
    m_paused = true;
    ShowPauseKeys(false, true);
    SuspendUpdateThreads();
}

void CSoftwareStoreView::OnResume()
{
    if (!m_batchExists)
        return;
    m_paused = false;
    m_pausedByLeaving = false;
    ShowPauseKeys(true, false);
    ResumeUpdateThreads();
}

bool CSoftwareStoreView::ConfirmLeave()
{
    if (!m_batchExists || m_paused)
        return true;
    const std::wstring question =
        Text(0x20000071, L"Software is being downloaded. Pause the download and leave the store?");
    if (PopMsgDlg::Show(question) != IDOK)
        return false;
    OnPause();
    m_pausedByLeaving = true;
    return true;
}

void CSoftwareStoreView::OnBack()
{
    if (!ConfirmLeave())
        return;
    CFormViewEx::OnBack();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(286, 1);
}

void CSoftwareStoreView::TileFailed(size_t index, uint32_t statusTextId, const wchar_t* english)
{
    TileSettled(index);
    CSoftwareBtn* grid = BatchGrid();
    if (!grid || index >= grid->GetCount())
        return;
    if (OwnsProgressBar(index))
        grid->HideProgress();
    grid->SetStatusText(index, Text(statusTextId, english));
    grid->HideBadge(index);
    grid->ShowStatus(index);
    if (grid->IsSelected(index))
        grid->ToggleSelected(index);
    grid->Invalidate(true);
}

void CSoftwareStoreView::TileInstalled(size_t index)
{
    TileSettled(index);
    CSoftwareBtn* grid = BatchGrid();
    if (!grid || index >= grid->GetCount())
        return;
    if (OwnsProgressBar(index)) {
        grid->SetProgress(index, 100);
        grid->HideProgress();
    }
    if (grid->IsSelected(index))
        grid->ToggleSelected(index);
    grid->SetMarked(index, false);
    grid->SetActionEnabled(index, false);
    grid->SetSelectable(index, false);
    grid->HideBadge(index);
    grid->SetStatusText(index, Text(0x20000086, L"Installed"));
    grid->ShowStatus(index);
    grid->SetState(index, store_list::kUpdateOffered);
    SetSoftwareListsChanged(true);
    grid->Invalidate(true);
}

void CSoftwareStoreView::OnDownloadMessage(unsigned code, LPARAM parameter)
{
    CSoftwareBtn* grid = BatchGrid();
    switch (code) {
    case kDownloadBegins: {
        const auto index = static_cast<size_t>(parameter);
        if (grid && index < grid->GetCount()) {
            m_progressJob = static_cast<int>(index);
            grid->HideStatus(index);
            grid->ShowProgress(index);
            grid->SetProgress(index, 0);
        }
        break;
    }
    case kProgress: {
        int32_t job = 0;
        uint32_t percent = 0;
        update_blocks::ReadProgress(*reinterpret_cast<const update_blocks::ProgressBlock*>(parameter), job, percent);
        if (grid && job == m_progressJob)
            grid->SetProgress(static_cast<size_t>(job), static_cast<int>(percent));
        break;
    }
    case kDownloadFailed: {
        const auto result =
            update_blocks::ReadDownloadResult(*reinterpret_cast<const update_blocks::Block*>(parameter));
        PassDownloadResultToUnpack(parameter);
        if (result) {
            m_failedDownloads.push_back(result->JobId);
            TileFailed(static_cast<size_t>(result->JobId), 0x20000081, L"Download failed");
        }
        ReleaseSerialSemaphore();
        break;
    }
    case kDownloaded:
        PassDownloadResultToUnpack(parameter);
        break;
    default:
        break;
    }
}

void CSoftwareStoreView::OnUnpackMessage(unsigned code, LPARAM parameter)
{
    const auto index = static_cast<size_t>(parameter);
    switch (code) {
    case kUnpackBegins:
        if (CSoftwareBtn* grid = BatchGrid(); grid && OwnsProgressBar(index))
            grid->SetProgress(index, 99);
        break;
    case kArchiverStarted:
        break;  // the archiver reports nothing until it has finished
    case kNotInstalled:
        if (std::find(m_failedDownloads.begin(), m_failedDownloads.end(), static_cast<int>(index)) ==
            m_failedDownloads.end())
            TileFailed(index, 0x20000087, L"Unpacking failed");
        ReleaseSerialSemaphore();
        break;
    case kInstalled:
        TileInstalled(index);
        ReleaseSerialSemaphore();
        break;
    case kBatchFinished:
        StopUpdateThreadsOwnedBy(Handle());
        EndBatch();
        break;
    case kBatchReplaced:
        RestoreUnsettledTiles();
        EndBatch();
        break;
    default:
        break;
    }
}

// ---- the information page --------------------------------------------------------------------

void CSoftwareStoreView::OnTileInfo(size_t index)
{
    const int page = m_shownPage;
    CSoftwareBtn* grid = Grid(page);
    if (!grid || index >= grid->GetCount())
        return;
    auto texts = std::make_shared<FETCHED_TEXTS>();
    texts->page = page;
    texts->tile = index;
    m_textsRequest = texts;
    const auto& products = m_products[static_cast<size_t>(page)];
    const std::wstring id = index < products.size() ? products[index].SoftwareUploadid : L"";
    WebServerAddress server = WebServerHost();
    CBackgroundRequest::Start(Handle(), kTextsFetched, ++m_ticket, [texts, id, server] {
        WebClient client(server);
        texts->first = client.GetTextFlag1(id);
        texts->second = client.GetTextFlag2(id);
    });
}

void CSoftwareStoreView::OnTextsFetched(WPARAM ticket)
{
    if (ticket != m_ticket || !m_textsRequest)
        return;
    const auto texts = std::move(m_textsRequest);
    CMainFrame* frame = CMainFrame::Instance();
    CSoftwareBtn* grid = Grid(texts->page);
    if (m_batchExists || !frame || frame->CurrentViewId() != kViewId || !grid || texts->tile >= grid->GetCount())
        return;  // the user went elsewhere meanwhile
    auto* info = dynamic_cast<CSoftwareStoreMakerVersionView*>(frame->View(CSoftwareStoreMakerVersionView::kViewId));
    if (!info)
        return;
    const _DiagSoftware_Info_& tile = grid->Tile(texts->tile);
    info->SetLogo(tile.hIcon);
    info->SetNames(tile.strName, tile.strText);
    info->SetDescriptionA(texts->first);
    info->SetDescriptionB(texts->second);
    info->SetListIndex(texts->page);
    frame->SwitchView(CSoftwareStoreMakerVersionView::kViewId, 1);
}

bool CSoftwareStoreView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case CSoftwareBtn::kSelectClicked:
        OnTileSelect(static_cast<size_t>(wParam), lParam == 1);
        break;
    case CSoftwareBtn::kInfoClicked:
        OnTileInfo(static_cast<size_t>(wParam));
        break;
    case CSoftwareBtn::kActionClicked:
        OnItemChosen(static_cast<size_t>(wParam));
        break;
    case CSoftwareBtn::kPageMoved:
        RefreshPage();
        break;
    case kDownloadMessage:
        if (AcceptReport(message, wParam, lParam, m_batchNumber))
            OnDownloadMessage(ReportCode(wParam), lParam);
        break;
    case kUnpackMessage:
        if (AcceptReport(message, wParam, lParam, m_batchNumber))
            OnUnpackMessage(ReportCode(wParam), lParam);
        break;
    case kListsFetched:
        OnListsFetched(wParam);
        break;
    case kTextsFetched:
        OnTextsFetched(wParam);
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}
