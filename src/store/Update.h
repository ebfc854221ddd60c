#pragma once
// The update page (view 305): starts the separate updater "Update\Update.exe" below the program
// folder shortly after it is shown, and says so when that fails. The shell keeps running beside it.
#include "FormViewEx.h"

class CUpdate : public CFormViewEx {
public:
    static constexpr int kViewId = 305;
    static constexpr UINT_PTR kStartTimer = 123;
    CUpdate() : CFormViewEx(kViewId) {}

    // Schedules one start of the updater; a start already on its way is not doubled. Always 1.
    int StartUpdateTimer();
    static bool IsStartPending();

    void OnShowView() override;

protected:
    bool OnTimer(UINT_PTR id) override;

private:
    void StartUpdater();
};
