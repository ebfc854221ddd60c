#include "MainFrame.h"

#include "DisplayApp.h"
#include "BmpBtn.h"
#include "ExchangeBuffer.h"
#include "MiddleLeftModel.h"
#include "ProcessValues.h"
#include "SharedHandles.h"
#include "StartupChecks.h"
#include "ViewTable.h"
#include "resource.h"

#include "DataRecordView.h"
#include "HarrowfenView.h"
#include "MShowView.h"
#include "MainPageView.h"
#include "MakerView.h"
#include "ManualView.h"
#include "RecorderInfoView.h"
#include "RepairInfoView.h"
#include "ReplayView.h"
#include "ReplaygifView.h"
#include "SetupView.h"
#include "SoftwareManagementView.h"
#include "SoftwareStoreMakerVersionView.h"
#include "SoftwareStoreView.h"
#include "Update.h"
#include "VersionView.h"
#include "ActiveTestView.h"
#include "BarView.h"
#include "DtcView.h"
#include "InputView.h"
#include "MenuView.h"
#include "MsgView.h"
#include "MultSelectView.h"
#include "PictureView.h"
#include "RdsView.h"
#include "ShortTestView.h"
#include "SpecialFuncView.h"
#include "StView.h"
#include "VerView.h"

int StorePageShown = 0;

namespace {

constexpr int kFirstPaneId = 0xE900;
constexpr UINT_PTR kExchangeTimer = 1;
constexpr UINT kReaderNotify = WM_APP + 0x6F2;
constexpr UINT kDiagCommand = WM_APP + 0x6EF;
constexpr UINT_PTR kRetryTimer = 2;
constexpr int kFixedWidth = 1024;
constexpr int kFixedHeight = 700;

CMainFrame* g_mainFrame = nullptr;

RECT FrameRectangle()
{
    RECT rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (ResGetDisplayMode() == 1)
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    else if (ResGetScreenMode() != 0)
        rect = RECT{0, 0, kFixedWidth, kFixedHeight};
    return rect;
}

std::wstring FrameTitle()
{
    wchar_t title[128] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDR_MAINFRAME, title, static_cast<int>(std::size(title)));
    return title;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

template <typename View>
View* Add(std::vector<std::unique_ptr<CFormViewEx>>& views)
{
    auto view = std::make_unique<View>();
    View* raw = view.get();
    views.push_back(std::move(view));
    return raw;
}

}  // namespace

CMainFrame::CMainFrame()
{
    g_mainFrame = this;
}

CMainFrame::~CMainFrame()
{
    Destroy();
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

CMainFrame* CMainFrame::Instance()
{
    return g_mainFrame;
}

bool CMainFrame::LoadFrame(DWORD)
{
    // No caption, border or menu: the program's own bars are its caption.
    if (!CreateFrame(FrameTitle(), WS_POPUP, FrameRectangle()))
        return false;
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return true;
}

void CMainFrame::CreateViews()
{
    Add<CUpdate>(m_views);
    Add<CSoftwareManagementView>(m_views);
    Add<CSoftwareStoreView>(m_views);
    Add<CSoftwareStoreMakerVersionView>(m_views);
    Add<CHarrowfenView>(m_views);
    Add<CSetupView>(m_views);
    Add<CDataRecordView>(m_views);
    Add<CReplaygifView>(m_views);
    m_pManualView = Add<CManualView>(m_views);
    Add<CMainPageView>(m_views);
    m_pMakerView = Add<CMakerView>(m_views);
    Add<CVersionView>(m_views);
    Add<CMenuView>(m_views);
    Add<CDtcView>(m_views);
    Add<CVerView>(m_views);
    Add<CShortTestView>(m_views);
    Add<CMultSelectView>(m_views);
    Add<CRdsView>(m_views);
    Add<CReplayView>(m_views);
    Add<CMsgView>(m_views);
    Add<CBarView>(m_views);
    Add<CActiveTestView>(m_views);
    Add<CStView>(m_views);
    Add<CInputView>(m_views);
    Add<CPictureView>(m_views);
    Add<CSpecialFuncView>(m_views);
    m_pRepairInfoView = Add<CRepairInfoView>(m_views);
    Add<CRecorderInfoView>(m_views);
    m_pShowView = Add<CMShowView>(m_views);
    for (const auto& view : m_views) {
        view->CreateView(Handle(), view->ViewId());
        m_viewsById[view->ViewId()] = view.get();
    }
}

bool CMainFrame::CreateBars()
{
    struct BAR_SPEC {
        CDialogBar* bar;
        DOCK_SIDE side;
    };
    m_wndTopLine.SetBitmap(IDB_LINE_TOP);
    m_wndBottomLine.SetBitmap(IDB_LINE_BOTTOM);
    m_wndLeftColumn.SetBitmap(IDB_COLUMN_LEFT);
    m_wndRightColumn.SetBitmap(IDB_COLUMN_RIGHT);
    const BAR_SPEC bars[] = {
        {&m_wndTopBar, DOCK_SIDE::Top},          {&m_wndBottomBar, DOCK_SIDE::Bottom},
        {&m_wndMiddleLeftBar, DOCK_SIDE::Left},  {&m_wndTopLine, DOCK_SIDE::Top},
        {&m_wndBottomLine, DOCK_SIDE::Bottom},   {&m_wndLeftColumn, DOCK_SIDE::Left},
        {&m_wndRightColumn, DOCK_SIDE::Right},   {&m_wndButtonBar, DOCK_SIDE::Bottom},
        {&m_wndHelpInfoBar, DOCK_SIDE::Bottom},  {&m_wndTopGuide, DOCK_SIDE::Top},
        {&m_wndTitleBar, DOCK_SIDE::Top},
    };
    for (const BAR_SPEC& spec : bars) {
        if (!spec.bar->CreateBar(Handle(), spec.side))
            return false;
        spec.bar->Show(SW_SHOW);
        m_dockOrder.push_back(spec.bar);
    }
    RecalcLayout();
    return true;
}

// Bars dock in the order they were made, each taking its thickness from what the earlier ones left.
// The layout holds hidden bars too: views are placed once, in areas that count every bar.
void CMainFrame::RecalcLayout()
{
    RECT rest = ClientRect();
    for (CDialogBar* bar : m_dockOrder) {
        const bool horizontal = bar->Side() == DOCK_SIDE::Top || bar->Side() == DOCK_SIDE::Bottom;
        const SIZE size = bar->CalcFixedLayout(true, horizontal);
        RECT place = rest;
        switch (bar->Side()) {
        case DOCK_SIDE::Top:
            place.bottom = rest.top = std::min(rest.bottom, rest.top + size.cy);
            break;
        case DOCK_SIDE::Bottom:
            place.top = rest.bottom = std::max(rest.top, rest.bottom - size.cy);
            break;
        case DOCK_SIDE::Left:
            place.right = rest.left = std::min(rest.right, rest.left + size.cx);
            break;
        case DOCK_SIDE::Right:
            place.left = rest.right = std::max(rest.left, rest.right - size.cx);
            break;
        }
        bar->Move(place, true);
    }
    PlaceLeftGuideBar();
}

// At the foot of the item column, when the column holds it under all the item buttons it can have.
void CMainFrame::PlaceLeftGuideBar()
{
    if (!m_wndLeftGuideBar.IsWindow())
        return;
    RECT column = m_wndMiddleLeftBar.WindowRect();
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&column), 2);
    const int itemsBottom = column.top + kMaxItemButtons * ProgramBitmapSize(IDB_MIDDLELEFT_ITEM).cy;
    m_leftGuideFits = m_wndLeftGuideBar.Place(column, itemsBottom);
    if (!m_leftGuideFits)
        m_wndLeftGuideBar.Show(SW_HIDE);
}

RECT CMainFrame::AreaRect(VIEW_AREA area) const
{
    auto inClient = [this](const CWindow& bar) {
        RECT rect = bar.WindowRect();
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    const RECT client = ClientRect();
    if (area == VIEW_AREA::WholeClient)
        return client;
    const RECT wide = {inClient(m_wndMiddleLeftBar).right, inClient(m_wndTopBar).bottom, client.right,
                       inClient(m_wndBottomBar).top};
    if (area == VIEW_AREA::Wide)
        return wide;
    RECT diagnosis = {wide.left + Width(inClient(m_wndLeftColumn)),
                      wide.top + Height(inClient(m_wndTopLine)) + Height(inClient(m_wndTopGuide)),
                      wide.right - Width(inClient(m_wndRightColumn)),
                      wide.bottom - Height(inClient(m_wndBottomLine))};
    if (area == VIEW_AREA::Diagnosis)
        return diagnosis;
    diagnosis.bottom -= Height(inClient(m_wndButtonBar));
    if (area == VIEW_AREA::DiagnosisLessRowAndHelp)
        diagnosis.bottom -= Height(inClient(m_wndHelpInfoBar));
    return diagnosis;
}

void CMainFrame::PlaceViews()
{
    m_rcDiagnosis = AreaRect(VIEW_AREA::Diagnosis);
    // Kept in the frame's client coordinates: the window is centred and can be dragged afterwards,
    // and a screen position taken now would put the bar elsewhere then.
    const auto inClient = [this](const CWindow& bar) {
        RECT rect = bar.WindowRect();
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    m_rcHelpInfoBar = inClient(m_wndHelpInfoBar);
    m_rcButtonBar = inClient(m_wndButtonBar);
    for (const auto& [id, view] : m_viewsById) {
        if (const VIEW_ENTRY* entry = FindViewEntry(id))
            view->Move(AreaRect(entry->area), true);
    }
}

bool CMainFrame::OnCreate(const CREATESTRUCTW&)
{
    CreateViews();
    m_wndLeftGuideBar.CreateBar(Handle());
    CheckVersionMark();
    ReplaceUpdater();
    CheckUnicodeFont();
    CheckUsbDriver();
    if (!CreateBars())
        return false;
    if (ResGetScreenMode() != 0)
        Move(0, 0, kFixedWidth, kFixedHeight, true);
    PlaceViews();
    OnExchangeDone(1);
    if (ResGetScreenMode() != 0) {
        RECT work = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        Move(work.left + (Width(work) - kFixedWidth) / 2, work.top + (Height(work) - kFixedHeight) / 2, kFixedWidth,
             kFixedHeight, true);
    }
    return true;
}

bool CMainFrame::OnSize(UINT, int, int)
{
    if (!m_dockOrder.empty())
        RecalcLayout();
    return false;
}

CFormViewEx* CMainFrame::View(int viewId) const
{
    const auto found = m_viewsById.find(viewId);
    return found == m_viewsById.end() ? nullptr : found->second;
}

CFormViewEx* CMainFrame::ActiveViewEx() const
{
    return dynamic_cast<CFormViewEx*>(GetActiveView());
}

CMakerView& CMainFrame::MakerView() const { return *m_pMakerView; }
CRepairInfoView& CMainFrame::RepairInfoView() const { return *m_pRepairInfoView; }

void CMainFrame::ApplyBars(const BAR_VISIBILITY& bars)
{
    const int navigation = bars.navigation ? SW_SHOW : SW_HIDE;
    m_wndTopBar.Show(navigation);
    m_wndBottomBar.Show(navigation);
    m_wndMiddleLeftBar.Show(navigation);
    m_wndLeftGuideBar.Show(bars.navigation && m_leftGuideFits ? SW_SHOW : SW_HIDE);
    if (bars.lines) {
        const int lines = *bars.lines ? SW_SHOW : SW_HIDE;
        for (CWindow* bar : {static_cast<CWindow*>(&m_wndTopLine), static_cast<CWindow*>(&m_wndBottomLine),
                             static_cast<CWindow*>(&m_wndLeftColumn), static_cast<CWindow*>(&m_wndRightColumn),
                             static_cast<CWindow*>(&m_wndTopGuide)})
            bar->Show(lines);
    }
    m_wndButtonBar.Show(bars.row ? SW_SHOW : SW_HIDE);
    if (bars.moveHelpToDiagnosisArea) {
        const int width = Width(m_rcHelpInfoBar);
        const int height = Height(m_rcHelpInfoBar);
        const int rowHeight = bars.row ? Height(m_rcButtonBar) : 0;
        m_wndHelpInfoBar.Move(m_rcDiagnosis.left, m_rcDiagnosis.bottom - rowHeight - height, width, height, true);
    } else {
        m_wndHelpInfoBar.Move(m_rcHelpInfoBar, true);
    }
    m_wndHelpInfoBar.Show(bars.help ? SW_SHOW : SW_HIDE);
}

void CMainFrame::SwitchView(int viewId, int show)
{
    CFormViewEx* view = View(viewId);
    const VIEW_ENTRY* entry = FindViewEntry(viewId);
    if (viewId == 131 || viewId == 492)
        ResSetSoftwareDir(L"");
    if (!view || !entry)
        return;
    CFormViewEx* previous = ActiveViewEx();
    if (view == previous) {
        CMenuView::ClearBackGuard();
        return;
    }
    if (previous)
        previous->OnHideView();
    SetActiveView(view);

    m_wndTitleBar.Show(SW_HIDE);
    m_wndHelpInfoBar.Show(SW_HIDE);
    m_wndButtonBar.Show(SW_HIDE);
    const BAR_VISIBILITY bars = BarsForView(*entry);
    if (viewId != 286) {
        StorePageShown = bars.storePageShown ? 1 : 0;
        ApplyBars(bars);
        m_wndMiddleLeftBar.ClearItemList();
    } else {
        m_wndTopBar.Show(SW_HIDE);
        m_wndBottomBar.Show(SW_HIDE);
        m_wndMiddleLeftBar.Show(SW_HIDE);
        m_wndLeftGuideBar.Show(SW_HIDE);
    }

    // The trouble codes that follow a message are shown by the screen itself once drawn.
    const bool showNow = !(viewId == 138 && previous && previous->ViewId() == 164);
    // The home page lies over every bar; every other view lies under the bars that frame it.
    SetWindowPos(view->Handle(), viewId == 286 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (showNow)
        view->Show(SW_SHOW);
    // Other programs tell the active view by the pane id: the previous view gives it up before the
    // new one takes it, so that no moment shows two.
    if (previous)
        SetWindowLongPtrW(previous->Handle(), GWLP_ID, previous->ViewId());
    SetWindowLongPtrW(view->Handle(), GWLP_ID, kFirstPaneId);
    if (previous)
        previous->Show(SW_HIDE);
    m_nCurrentViewId = viewId;
    if (show)
        view->OnShowView();
    CMenuView::ClearBackGuard();
    m_wndBottomBar.UpdateCommandStates();  // the new view answers for the bottom bar's buttons
}

void CMainFrame::LeaveDiagnosis()
{
    // Every way out ends the diagnosis: the bars must not ask about a program that is gone.
    SetDiagnosisRunning(false);
    if (HANDLE process = DiagProgramProcess()) {
        TerminateProcess(process, 0);
        Sleep(500);
        SetDiagProgramProcess(nullptr);
    }
    ReleaseSemaphore(ExchangeToken(), 1, nullptr);
    m_pMakerView->ResetSharedMemory();
}

bool CMainFrame::PressSoftButton(int position)
{
    CBmpBtn* button = m_wndButtonBar.GetButtonAt(position);
    if (!button)
        return false;
    if (button->IsVisible() && button->IsEnabled()) {
        m_wndButtonBar.SendMsg(WM_COMMAND, MAKEWPARAM(button->ControlId(), BN_CLICKED),
                               reinterpret_cast<LPARAM>(button->Handle()));
    }
    return true;
}

bool CMainFrame::IsDragBarClick(const MSG& message) const
{
    if (message.message != WM_LBUTTONDOWN || ResGetScreenMode() == 0)
        return false;
    if (GetCursor() == LoadCursorW(nullptr, IDC_HAND))
        return false;
    POINT cursor = {};
    GetCursorPos(&cursor);
    const RECT top = m_wndTopBar.WindowRect();
    const RECT bottom = m_wndBottomBar.WindowRect();
    return PtInRect(&top, cursor) || PtInRect(&bottom, cursor);
}

bool CMainFrame::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_HOTKEY && message.hwnd == GetActiveWindow()) {
        if (const auto position = FrameHotKeyPosition(static_cast<unsigned>(message.wParam))) {
            PressSoftButton(*position);
            return true;
        }
    }
    if (IsDragBarClick(message)) {
        POINT cursor = {};
        GetCursorPos(&cursor);
        SendMsg(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
    }
    return false;
}

bool CMainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_HOTKEY) {
        const auto position = FunctionKeyPosition(static_cast<unsigned>(wParam), static_cast<long>(lParam));
        if (position && PressSoftButton(*position)) {
            result = 0;
            return true;
        }
        return false;
    }
    if (message == kDiagCommand) {
        result = OnDiagCommand();
        return true;
    }
    if (message == kReaderNotify) {
        result = OnDiagNotify(wParam, lParam);
        return true;
    }
    return false;
}

LRESULT CMainFrame::OnDiagNotify(WPARAM code, LPARAM value)
{
    const int number = static_cast<int>(value);
    switch (code) {
    case 0:
        m_pShowView->SetPageCount(number);
        m_pManualView->SetPageCount(number);
        break;
    case 1:
        m_pShowView->SetPage(number);
        m_pManualView->SetPage(number);
        break;
    case 8:
        if (g_hDocumentReader)
            m_pShowView->ScrollStep(number);
        else if (g_hManualReader)
            m_pManualView->ScrollStep(number);
        break;
    case 9:
        if (g_hDocumentReader)
            m_pShowView->ForwardKey(number);
        else if (g_hManualReader)
            m_pManualView->ForwardKey(number);
        break;
    default:
        break;
    }
    return 0;
}

bool CMainFrame::OnTimer(UINT_PTR id)
{
    if (id == kExchangeTimer) {
        OnExchangeTimer();
    } else if (id == kRetryTimer) {
        KillTimer(Handle(), kRetryTimer);
        OnDiagCommand();
    }
    return false;
}

bool CMainFrame::OnCommand(int id, int code, HWND control)
{
    if (id == ID_APP_ABOUT) {
        static_cast<CDisplayApp*>(CApplication::Current())->OnAppAbout();
        return true;
    }
    return CFrameWindow::OnCommand(id, code, control);
}

void CMainFrame::OnDestroy()
{
    OnExchangeDone(0);
    CFrameWindow::OnDestroy();
}
