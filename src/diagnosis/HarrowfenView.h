#pragma once
// The vehicle-software family chooser (view 492, on the maker chooser's form): the families found
// under "Scan\PRO\" as one page of icons. When it is built before the maker chooser, it makes the
// exchange block and hands it to the maker chooser, whose member the main frame reads.
#include <cstdint>
#include <string>

#include "ChooserView.h"
#include "ScopedWin.h"

class CHarrowfenView : public CChooserView {
public:
    static constexpr int kViewId = 492;
    CHarrowfenView() : CChooserView(kViewId) {}
    ~CHarrowfenView() override;

    // The one item of the middle-left bar, also shown by the version view when it came from here.
    static std::wstring ListCaption() { return L"Harrowfen"; }

    // Clears the block and writes the main window's caption at offset 0 ("KORVE" when empty).
    void ResetSharedMemory();
    uint8_t* SharedView() const { return m_pShareMem; }

protected:
    bool HasSoftware() const override;
    bool HasEntries() const override;
    void BuildPages() override;
    void PrepareExchangeBlock() override;
    int ClickedPage() const override { return 0; }
    void OnDestroy() override;

private:
    CScopedHandle m_hShareMem;
    uint8_t* m_pShareMem = nullptr;
};
