#pragma once
// What the maker chooser (view 131) and the vehicle-software family chooser (view 492) share: pages
// of icon grids named on the middle-left bar, each icon a folder of vehicle software with its logo
// and display name; the page keys, the exit question, and the hand-over of a chosen icon to the
// version view. The two differ in where their entries come from and in how they make the exchange
// block.
#include <memory>
#include <string>
#include <vector>

#include "FormViewEx.h"
#include "IconBtn.h"
#include "ScopedWin.h"

struct CHOOSER_ENTRY {
    CScopedBitmap logo;   // the chooser's own copy: shown by its grid, lent to the version view
    std::wstring folder;  // with a trailing backslash
    std::wstring name;
};

class CChooserView : public CFormViewEx {
public:
    static constexpr int kFormId = 131;
    static constexpr int kGridId = 3032;
    static constexpr int kCellWidth = 160;
    static constexpr int kCellHeight = 170;

    explicit CChooserView(int viewId) : CFormViewEx(kFormId, viewId) {}
    ~CChooserView() override;

    void OnShowView() override;
    void OnBack() override;
    void OnPageUp() override;
    void OnPageDown() override;
    void ConfirmExit() override;
    void OnFuncButton5() override;
    void OnCommand3031() override {}
    // The choosers answer no request of the diagnostic program.
    virtual void SendAnswer() {}
    virtual void ShowRequest() {}

    // Asks for a rebuild of the icon pages at the next show (the lists were reloaded).
    void SetListChanged() { m_bListChanged = true; }
    bool IsListChanged() const { return m_bListChanged; }
    bool IsBuilt() const { return m_bBuilt; }

    // The region (page) chosen on the middle-left bar, and showing it: its grid alone, the caption
    // and the page keys.
    void SetCurrentRegion(int region) { m_nCurRegion = region; }
    int CurrentRegion() const { return m_nCurRegion; }
    void ShowCurrentRegion();

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    std::wstring PageName(int page) const;
    CIconBtn* Grid(int page) const;
    int EntryCount(int page) const;
    const CHOOSER_ENTRY* Entry(int page, int index) const;

protected:
    // No software of this chooser at all: the question that leads to the store.
    virtual bool HasSoftware() const = 0;
    // Something to build pages from.
    virtual bool HasEntries() const = 0;
    // Makes the pages (AddPage, then FillMiddleLeftBar) and their entries (AddMaker).
    virtual void BuildPages() = 0;
    // Makes the exchange block when no chooser made it yet, and resets it.
    virtual void PrepareExchangeBlock() = 0;
    // The page whose selected icon a click chooses.
    virtual int ClickedPage() const = 0;
    // Runs after an entry was handed to the version view, before the switch to it.
    virtual void OnEntryChosen(int /*page*/) {}

    int AddPage(const std::wstring& name);
    // Adds an icon at a slot of a page; refused (false) for a slot beyond the page's room or a page
    // that does not exist.
    bool AddMaker(int region, int slot, const std::wstring& name, const std::wstring& logoPath,
                  const std::wstring& folderPath);
    // The page names on the middle-left bar, the current page chosen.
    void FillMiddleLeftBar();
    void OnMakerClicked();

    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }
    void OnDestroy() override;

    int m_nCurRegion = 0;
    bool m_bListChanged = false;
    bool m_bBuilt = false;

private:
    struct CHOOSER_PAGE {
        std::wstring name;
        std::unique_ptr<CIconBtn> grid;
        std::vector<CHOOSER_ENTRY> entries;
    };

    void SetUpBars();
    void DestroyPages();
    void AskForTheStore();

    std::vector<CHOOSER_PAGE> m_pages;
};
