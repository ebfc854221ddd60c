#pragma once
// The base of every view the main frame swaps: a white form view with one enable flag per command
// of the bottom bar, the print lock, and one virtual operation per command id, so a view overrides
// operations instead of handling WM_COMMAND itself. Home, Exit and Snapshot are shared here.
#include <array>
#include <optional>

#include "FormView.h"
#include "ScopedWin.h"

class CFormViewEx : public CFormView {
public:
    explicit CFormViewEx(int templateId) : CFormViewEx(templateId, templateId) {}
    // A view whose id differs from its form template (two views built on one form).
    CFormViewEx(int templateId, int viewId);
    ~CFormViewEx() override;

    int ViewId() const { return m_viewId; }

    // Sets the enable flag of one of the bottom bar's commands; other ids are ignored.
    void SetButtonState(int commandId, bool enabled);
    // The enable state the view gives a command, or nothing for commands without a flag.
    std::optional<bool> CommandEnableState(int commandId) const;
    // Whether the view carries out a command at all (a view that adds commands of its own says so).
    virtual bool HandlesCommand(int commandId) const;
    // The state a bar gives a button of the command: the view's enable flag, else whether the view
    // handles the command.
    bool IsCommandEnabled(int commandId) const;

    // Runs after the frame made this view the active one; empties the soft-button row.
    virtual void OnShowView();
    // Runs when the frame switches away from this view.
    virtual void OnHideView();

    virtual void OnBack();
    virtual void OnPageUp() {}
    virtual void OnAccept() {}
    virtual void OnPageDown() {}
    virtual void OnPrint();
    virtual void OnHelp() {}
    virtual void OnExitDiagnosis();
    virtual void OnChannel() {}
    virtual void OnPlay() {}
    virtual void OnWave() {}
    virtual void OnViewOK() {}
    virtual void OnViewCancel() {}
    virtual void ConfirmExit();
    virtual void OnFuncButton1() {}
    virtual void OnFuncButton2() {}
    virtual void OnFuncButton3() {}
    virtual void OnFuncButton4() {}
    virtual void OnFuncButton5() {}
    virtual void OnSelectAll() {}
    virtual void OnSave() {}
    virtual void OnRead() {}
    virtual void OnGuideButton(int /*id*/) {}
    virtual void OnCommand3017() {}
    virtual void OnSnapshot();
    virtual void OnCommand3031() {}
    virtual void OnCommand3033() {}
    virtual void OnCommand3034() {}
    virtual void OnToggleSelectAll() {}
    virtual void OnCommand1125() {}
    virtual void OnDelete() {}
    virtual void OnResume() {}
    virtual void OnPause() {}

    // The print lock "CANPRINT", shared with every other view and copy of the program. Only tried
    // (the wait is a test seam, 0 by default); when it is held elsewhere the user is told that
    // printing is busy, and the result is false.
    bool TakePrintLock();
    void GivePrintLockBack();
    bool HoldsPrintLock() const { return m_hPrintSemaphore != nullptr; }
    static void SetPrintLockTimeout(DWORD milliseconds);

    // True while a command of the frame's bottom bar (Back, Print, Snapshot, ...) is being handled.
    // A screen whose own keys take a range of ids that the bar's commands fall into (the actuator
    // test's buttons from 3017 on) must leave those to the base.
    static bool IsBottomBarCommand();
    // Marks the commands sent while it lives as the bottom bar's.
    class CBottomBarCommandScope {
    public:
        CBottomBarCommandScope();
        ~CBottomBarCommandScope();
        CBottomBarCommandScope(const CBottomBarCommandScope&) = delete;
        CBottomBarCommandScope& operator=(const CBottomBarCommandScope&) = delete;

    private:
        bool m_previous;
    };

protected:
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnEraseBkgnd(HDC dc) override;
    void OnOK() override {}      // Enter and Escape do not end a view
    void OnCancel() override {}

private:
    static constexpr std::array<int, 14> kFlaggedCommands = {3028, 3004, 3002, 3003, 3005, 3001, 3031,
                                                            3033, 3034, 3035, 1125, 1126, 1117, 1116};
    static int FlagIndex(int commandId);
    bool DispatchCommand(int id);

    int m_viewId;
    HANDLE m_hPrintSemaphore = nullptr;
    CScopedBrush m_hBackBrush;
    std::array<bool, kFlaggedCommands.size()> m_enabled;
};
