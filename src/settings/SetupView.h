#pragma once
// The settings (view 295). Its seven pages are listed on the middle-left bar; choosing a title shows
// that page, accept applies the page that is shown. Every show rebuilds the bars and the pages, so a
// page always starts from the stored settings.
#include <array>
#include <memory>

#include "FormViewEx.h"
#include "ScopedWin.h"
#include "SetupPage.h"
#include "SetupPages.h"

class CSetupView : public CFormViewEx {
public:
    static constexpr int kViewId = 295;
    CSetupView();
    ~CSetupView() override;

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void OnAccept() override;

    // Fills the middle-left bar with the seven titles and chooses the first.
    void BuildTree();
    // Shows the page of the middle-left bar's current item (nothing outside 0..6) and takes the
    // keyboard focus.
    void ShowPageTitle();
    // Hides every page and shows the one at a bar index, with the commands it allows.
    void ShowPage(int index);
    // Applies the page that is shown, then goes back to the first page.
    void ApplySettings();

    // The page at a bar index, or null before the first show.
    CSetupPage* Page(int index) const;
    // The bar index of the page shown, or -1.
    int VisiblePage() const;

    // The message the update page sends once it has opened a downloaded package: the program ends
    // without asking, after any running diagnostic program.
    static constexpr UINT kCloseForUpdate = 0xBC3;

protected:
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetUpBars();
    void MakePages();
    void UpdatePagingCommands(const CSetupPage& page);
    void RefreshBottomBar();
    void CloseForUpdate();

    std::array<std::unique_ptr<CSetupPage>, kSetupPageCount> m_pages;  // by bar index
    CScopedBitmap m_edge;
};
