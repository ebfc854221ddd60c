#pragma once
// The online store (view 446): the vehicle software the web service offers for this device, as two
// pages of tiles (the makers' software, and the vehicle-software families) chosen on the
// middle-left bar. Chosen tiles become the jobs of one download-and-unpack batch whose progress the
// tiles show; a tile's info area opens the package's information page (view 476).
//
// The store owns its batch: while one exists (running or paused) no second one starts from here,
// leaving the store pauses it and coming back resumes it. The web service is asked on a thread of
// its own, so a slow service never holds the program; a list that could not be fetched is said, and
// asked for again at the next show.
#include <array>
#include <memory>
#include <vector>

#include "FormViewEx.h"
#include "ProductRecord.h"
#include "ScopedWin.h"
#include "SoftwareBtn.h"
#include "StoreListRules.h"
#include "UpdateJob.h"

class CSoftwareStoreView : public CFormViewEx {
public:
    static constexpr int kViewId = 446;
    static constexpr int kGridId = 3032;
    static constexpr int kPageCount = 2;
    // Posted by the requests to the web service when their answer is in (wParam: the ticket).
    static constexpr UINT kListsFetched = WM_APP + 46;
    static constexpr UINT kTextsFetched = WM_APP + 47;

    CSoftwareStoreView();
    ~CSoftwareStoreView() override;

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnCommand3034() override { DownloadSelected(); }
    void OnToggleSelectAll() override;
    void OnResume() override;
    void OnPause() override;

    // Shows the grid of the page chosen on the middle-left bar and sets the page keys.
    int RefreshPage();
    bool GetPageNames(std::vector<std::wstring>& names) const;
    // Asks the web service for both product lists; the pages are filled when the answer is in.
    void BuildStoreList(int flag);
    // Re-derives every tile's look and state from the installed lists.
    void RemarkInstalled();
    // The installed lists were rebuilt: the next show re-marks the tiles.
    void RequestRefresh() { m_refreshRequested = true; }
    void DownloadSelected();

    CSoftwareBtn* Grid(int page) const;
    int ShownPage() const { return m_shownPage; }
    const std::vector<int>& Selection() const { return m_selection; }
    const std::vector<ProductRecord>& Products(int page) const { return m_products.at(static_cast<size_t>(page)); }
    bool ListsLoaded() const { return m_loaded; }
    bool ListsPending() const { return static_cast<bool>(m_listsRequest); }
    bool BatchExists() const { return m_batchExists; }
    bool BatchPaused() const { return m_paused; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    struct FETCHED_LISTS;
    struct FETCHED_TEXTS;
    // A tile of the batch as it looked before the batch: its status text, and whether the status or
    // the badge showed.
    struct TILE_BEFORE {
        int tile = 0;
        std::wstring status;
        bool statusShown = false;
        bool badgeShown = false;
    };

    void SetUpBars();
    void FillPageNames();
    void CreateGrids();
    void ShowBatchBars();
    bool FillPages(const FETCHED_LISTS& lists);
    void TellListsFailed();
    void FillPage(int page, const std::vector<ProductRecord>& offered);
    void ResetTiles();
    void UnselectAll();
    void UnlatchSelectAll();
    void ShowPauseKeys(bool pauseShown, bool resumeShown);
    bool ConfirmLeave();

    void OnTileSelect(size_t index, bool select);
    void OnItemChosen(size_t index);
    void OnTileInfo(size_t index);
    void OnTextsFetched(WPARAM ticket);
    void OnListsFetched(WPARAM ticket);
    void BeginBatch();
    void EndBatch();
    // Starts a batch of the tiles' products; `showWaiting` marks each tile as waiting for its turn.
    void StartBatch(const std::vector<int>& tiles, bool showWaiting);
    void ShowWaiting(const UpdateJobList& jobs);
    void RememberTiles(const UpdateJobList& jobs);
    void TileSettled(size_t index);
    void RestoreUnsettledTiles();
    void OnDownloadMessage(unsigned code, LPARAM parameter);
    void OnUnpackMessage(unsigned code, LPARAM parameter);
    void TileFailed(size_t index, uint32_t statusTextId, const wchar_t* english);
    void TileInstalled(size_t index);
    CSoftwareBtn* BatchGrid() const { return Grid(m_batchPage); }
    bool OwnsProgressBar(size_t index) const { return m_progressJob == static_cast<int>(index); }

    std::array<std::unique_ptr<CSoftwareBtn>, kPageCount> m_grids;
    std::array<std::vector<ProductRecord>, kPageCount> m_products;
    // The tiles' logos: the grids only draw them.
    std::array<std::vector<CScopedBitmap>, kPageCount> m_logos;
    std::vector<std::wstring> m_pageNames;
    std::vector<int> m_selection;
    std::wstring m_serialNumber;
    int m_batchPage = -1;
    int m_shownPage = -1;
    int m_progressJob = -1;  // the job whose progress the batch page's bar shows
    uint16_t m_batchNumber = 0;  // of the batch this store started last: only its reports count
    std::vector<int> m_failedDownloads;  // of this batch: their unpack report keeps the download's failure
    // The tiles of this batch whose jobs have no result yet, as they looked before it: a batch that
    // ends without their results (another window's replaced it) gives them their look back, or
    // they would say "Waiting" for good.
    std::vector<TILE_BEFORE> m_unsettledTiles;

    bool m_refreshRequested = false;
    bool m_loaded = false;
    bool m_batchExists = false;
    bool m_paused = false;
    bool m_pausedByLeaving = false;

    WPARAM m_ticket = 0;  // of the newest request: older answers are dropped
    std::shared_ptr<FETCHED_LISTS> m_listsRequest;
    std::shared_ptr<FETCHED_LISTS> m_listsWaiting;  // arrived while the store was not shown
    std::shared_ptr<FETCHED_TEXTS> m_textsRequest;
};
