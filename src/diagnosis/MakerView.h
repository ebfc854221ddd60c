#pragma once
// The maker chooser (view 131). It also owns the block of memory shared with the diagnostic program:
// it creates and maps the block the first time it is built and resets it whenever a diagnosis ends.
#include <cstdint>

#include "FormViewEx.h"
#include "ScopedWin.h"

class CMakerView : public CFormViewEx {
public:
    static constexpr int kViewId = 131;
    CMakerView() : CFormViewEx(kViewId) {}
    ~CMakerView() override;

    void OnShowView() override;

    // Creates (or opens) and maps "DisplayDiagnoseData" once for the run; true when it is mapped.
    bool CreateSharedMemory();
    // Clears the block and writes the main window's caption at offset 0 ("Nuthawk" when empty).
    void ResetSharedMemory();

    uint8_t* SharedView() const { return m_pSharedView; }
    // The family chooser maps its own view of the same block and hands it over here.
    void SetSharedView(uint8_t* view) { m_pSharedView = view; }

    // The region chosen on the middle-left bar.
    void SetCurrentRegion(int region) { m_nCurRegion = region; }
    int CurrentRegion() const { return m_nCurRegion; }
    // Shows the current region's makers; the region pages come with the chooser's own screen.
    void ShowCurrentRegion() {}

private:
    CScopedHandle m_hSharedMemory;
    uint8_t* m_pSharedView = nullptr;
    int m_nCurRegion = 0;
};

// The caption of the application's main window in the thread's ANSI code page, or `fallback`.
std::string MainWindowCaptionAnsi(const char* fallback);
