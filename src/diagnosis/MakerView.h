#pragma once
// The maker chooser (view 131): the installed makers as pages of icons, one page per region, the
// regions on the middle-left bar. It also owns the block of memory shared with the diagnostic
// program: the block is made when the first chooser builds its pages, and this view resets it
// whenever a diagnosis ends.
#include <cstdint>
#include <string>
#include <vector>

#include "ChooserView.h"
#include "ScopedWin.h"

class CMakerView : public CChooserView {
public:
    static constexpr int kViewId = 131;
    CMakerView() : CChooserView(kViewId) {}
    ~CMakerView() override;

    // Creates (or opens) and maps "DisplayDiagnoseData" once for the run; true when it is mapped.
    bool CreateSharedMemory();
    // Clears the block and writes the main window's caption at offset 0 ("Nuthawk" when empty).
    void ResetSharedMemory();

    uint8_t* SharedView() const { return m_pSharedView; }
    // The family chooser maps its own view of the same block and hands it over here.
    void SetSharedView(uint8_t* view) { m_pSharedView = view; }

protected:
    bool HasSoftware() const override;
    bool HasEntries() const override;
    void BuildPages() override;
    void PrepareExchangeBlock() override;
    int ClickedPage() const override;
    void OnEntryChosen(int page) override { m_nCurRegion = page; }
    void OnDestroy() override;

private:
    void SayMakersLeftOut(const std::vector<std::wstring>& names);

    CScopedHandle m_hSharedMemory;
    uint8_t* m_pSharedView = nullptr;
};

// The caption of the application's main window in the thread's ANSI code page, or `fallback`.
std::string MainWindowCaptionAnsi(const char* fallback);
