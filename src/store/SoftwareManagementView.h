#pragma once
// The installed vehicle software (view 445): the makers under "Scan\" and the families under
// "Scan\PRO\" as two tile grids, chosen on the middle-left bar. Tiles are picked and their package
// folders deleted; the software lists are rescanned at the next show of this view or a chooser.
#include <array>
#include <memory>

#include "FormViewEx.h"
#include "SoftwareBtn.h"
#include "TileSelection.h"

class CSoftwareManagementView : public CFormViewEx {
public:
    static constexpr int kViewId = 445;
    static constexpr int kGridId = 3032;
    CSoftwareManagementView() : CFormViewEx(kViewId) {}
    ~CSoftwareManagementView() override;

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnToggleSelectAll() override;
    void OnDelete() override;

    // Shows the grid of the list chosen on the middle-left bar and sets the page keys.
    void RefreshPage();
    // The lists were rebuilt: the grids are filled again at the next show.
    void RequestRefresh() { m_refreshRequested = true; }

    CSoftwareBtn* Grid(int list) const;
    int CurrentList() const { return m_currentList; }
    const CTileSelection& Selection() const { return m_selection; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetUpBars();
    void CreateGrids();
    void FillGrids();
    void UnselectAll(CSoftwareBtn& grid);
    void OnSelectClicked(size_t index, bool select);
    void DeleteOne(size_t index);
    bool RemoveTile(CSoftwareBtn& grid, size_t position);
    void AfterDeletion(CSoftwareBtn& grid, bool allDeleted);
    void UnlatchSelectAll();

    std::array<std::unique_ptr<CSoftwareBtn>, 2> m_grids;
    int m_currentList = -1;
    CTileSelection m_selection;
    bool m_refreshRequested = false;
};
