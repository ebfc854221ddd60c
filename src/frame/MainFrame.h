#pragma once
// The one top-level window of the program. It owns every bar and one instance of every view for the
// whole run, switches views by view id, turns function keys into soft-button presses, and passes the
// PDF reader's notifications to the document views.
#include <map>
#include <memory>
#include <vector>

#include "BottomBar.h"
#include "ButtonBar.h"
#include "ColumnBar.h"
#include "FormViewEx.h"
#include "FrameWindow.h"
#include "HelpInfoBar.h"
#include "LeftGuideBar.h"
#include "LineBar.h"
#include "MiddleLeftBar.h"
#include "TitleBar.h"
#include "TopBar.h"
#include "TopGuide.h"
#include "ViewTable.h"

class CMakerView;
class CMShowView;
class CManualView;
class CRepairInfoView;

class CMainFrame : public CFrameWindow {
public:
    CMainFrame();
    ~CMainFrame() override;

    // The application's main frame, or null before it exists.
    static CMainFrame* Instance();

    // Creates the frame (frame resource 128: title and icon), its bars and views.
    bool LoadFrame(DWORD style);

    void SwitchView(int viewId, int show);
    int CurrentViewId() const { return m_nCurrentViewId; }
    CFormViewEx* View(int viewId) const;
    CFormViewEx* ActiveViewEx() const;

    // Leaving a running diagnosis from the shell's side: ends the diagnostic program, gives the turn
    // back and resets the exchange block.
    void LeaveDiagnosis();

    // Presses the soft button at a position of the row, when it exists, is visible and enabled.
    bool PressSoftButton(int position);

    // Set by the start of a diagnosis, cleared by its end: the bars ask before they leave a view
    // while it is set.
    bool IsDiagnosisRunning() const { return m_diagnosisRunning; }
    void SetDiagnosisRunning(bool running) { m_diagnosisRunning = running; }

    // A hook with no effect, called when an exchange with the diagnostic program is done.
    int OnExchangeDone(int) { return 1; }

    bool PreTranslateMessage(MSG& message) override;

    CButtonBar& ButtonBar() { return m_wndButtonBar; }
    CTitleBar& TitleBar() { return m_wndTitleBar; }
    CTopGuide& TopGuide() { return m_wndTopGuide; }
    CHelpInfoBar& HelpInfoBar() { return m_wndHelpInfoBar; }
    CTopBar& TopBar() { return m_wndTopBar; }
    CMiddleLeftBar& MiddleLeftBar() { return m_wndMiddleLeftBar; }
    CBottomBar& BottomBar() { return m_wndBottomBar; }
    CLeftGuideBar& LeftGuideBar() { return m_wndLeftGuideBar; }
    CMakerView& MakerView() const;
    CRepairInfoView& RepairInfoView() const;

    // The saved areas the views were placed in, and any area as the bars stand now.
    const RECT& DiagnosisArea() const { return m_rcDiagnosis; }
    RECT AreaRect(VIEW_AREA area) const;

protected:
    bool OnCreate(const CREATESTRUCTW& create) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnDestroy() override;

private:
    void CreateViews();
    bool CreateBars();
    void RecalcLayout();
    void PlaceViews();
    void ApplyBars(const BAR_VISIBILITY& bars);
    void PlaceLeftGuideBar();
    LRESULT OnDiagNotify(WPARAM code, LPARAM value);
    LRESULT OnDiagCommand();
    void HandleRequest(uint8_t* block);
    void ServeScreen(uint8_t code);
    void StartDiagnosis(uint8_t* block);
    void EndDiagnosis();
    void AskQuestion(uint8_t* block);
    void RetryRequestLater();
    // The exchange hook runs once the program has been quiet for a while after its last request.
    void RestartExchangeTimer();
    void OnExchangeTimer();
    bool IsDragBarClick(const MSG& message) const;

    CButtonBar m_wndButtonBar;
    CTitleBar m_wndTitleBar;
    CTopGuide m_wndTopGuide;
    CHelpInfoBar m_wndHelpInfoBar;
    CLineBar m_wndTopLine;
    CLineBar m_wndBottomLine;
    CColumnBar m_wndLeftColumn;
    CColumnBar m_wndRightColumn;
    CTopBar m_wndTopBar;
    CMiddleLeftBar m_wndMiddleLeftBar;
    CBottomBar m_wndBottomBar;
    CLeftGuideBar m_wndLeftGuideBar;
    bool m_leftGuideFits = false;
    std::vector<CDialogBar*> m_dockOrder;  // bars in creation order: the order they dock in

    int m_nCurrentViewId = 0;
    bool m_diagnosisRunning = false;
    bool m_retryPending = false;
    DWORD m_retrySince = 0;
    bool m_exchangeTimerArmed = false;
    DWORD m_lastRequestTick = 0;
    std::vector<std::unique_ptr<CFormViewEx>> m_views;  // in creation order
    std::map<int, CFormViewEx*> m_viewsById;
    CMakerView* m_pMakerView = nullptr;
    CMShowView* m_pShowView = nullptr;
    CManualView* m_pManualView = nullptr;
    CRepairInfoView* m_pRepairInfoView = nullptr;

    RECT m_rcDiagnosis = {};
    RECT m_rcHelpInfoBar = {};
    RECT m_rcButtonBar = {};
};

// 1 while the installed-software or the store view is active.
extern int StorePageShown;
