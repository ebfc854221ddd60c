#include "VersionView.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "ConfigStore.h"
#include "ExchangeBuffer.h"
#include "FileBytes.h"
#include "FileFindPro.h"
#include "HarrowfenView.h"
#include "IniFile.h"
#include "LanguageTextFile.h"
#include "MainFrame.h"
#include "MakerView.h"
#include "MiddleLeftModel.h"
#include "PdfReader.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "SharedHandles.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "VersionLaunch.h"
#include "WifiNetworks.h"
#include "resource.h"

namespace {

constexpr UINT_PTR kLaunchTimer1 = 1;
constexpr UINT_PTR kLaunchTimer2 = 2;
constexpr UINT_PTR kListingTimer = 3;

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int Ask(const std::wstring& text)
{
    PopMsgDlg box(nullptr);
    box.SetMessage(text);
    return static_cast<int>(box.DoModal());
}

// A diagnostic program that ended before its start-of-diagnosis request is never forgotten by the
// end of a diagnosis: counted as running, it would hold off every later launch.
bool IsDiagProgramRunning()
{
    if (const HANDLE program = DiagProgramProcess(); program && WaitForSingleObject(program, 0) == WAIT_OBJECT_0)
        SetDiagProgramProcess(nullptr);
    return DiagProgramProcess() != nullptr;
}

std::string ToAnsi(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    return narrow.c_str();
}

std::wstring Trim(const std::wstring& text)
{
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

std::wstring ListText(HWND list, int index)
{
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

CVersionView::CVersionView() : CFormViewEx(kViewId), m_whiteBrush(CreateSolidBrush(RGB(255, 255, 255))) {}

CVersionView::~CVersionView() = default;

bool CVersionView::OnInitDialog()
{
    m_progress.Subclass(Item(IDC_VERSION_PROGRESS));
    return CFormViewEx::OnInitDialog();
}

void CVersionView::OnShowView()
{
    CFormViewEx::OnShowView();
    if (!m_versionList.IsWindow())
        m_versionList.Subclass(Item(IDC_VERSION_LIST));
    if (const std::wstring chosen = ResGetMakerDir(); !chosen.empty())
        m_strMakerDir = chosen;
    for (int id : {3003, 3002, 3005})
        SetButtonState(id, false);
    FillMiddleLeftBar(this);
    SetDlgItemTextW(Handle(), IDC_VERSION_MAKER, ResGetMakerName().c_str());

    m_pHelpButton = std::make_unique<CBmpBtn>();
    if (m_pHelpButton->Create(L"", WS_TABSTOP | WS_VISIBLE, RECT{0, 0, 103, 29}, Handle(), IDC_VERSION_HELP)) {
        m_pHelpButton->SetBitmaps(IDB_SOFTROW_BUTTON, IDB_SOFTROW_BUTTON_DOWN, IDB_SOFTROW_BUTTON_OFF, 0);
        m_pHelpButton->SetText(ResGetStringOr(0x20000168, L"Detail"));
        m_pHelpButton->SetCenterText(true);
        m_pHelpButton->Enable(false);
    }
    EnableList(false);
    SendDlgItemMessageW(Handle(), IDC_VERSION_LIST, LB_RESETCONTENT, 0, 0);
    SendDlgItemMessageW(Handle(), IDC_VERSION_FOLDERS, LB_RESETCONTENT, 0, 0);
    m_versionNumbers.clear();
    m_strDescription.clear();
    SetDlgItemTextW(Handle(), IDC_VERSION_DESCRIPTION, L"");
    SetDlgItemTextW(Handle(), IDC_VERSION_LINE, L"");
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->MakerView().ResetSharedMemory();

    if (const std::wstring caption = ResGetString(0x10000200); !caption.empty())
        SetText(caption);
    if (const std::wstring demo = ResGetString(0x10000013); !demo.empty())
        SetDlgItemTextW(Handle(), IDC_VERSION_DEMO, demo.c_str());

    const std::wstring logging =
        ReadIniString((m_strMakerDir + L"Group.ini").c_str(), L"Group", L"Logging_Supported", L"false");
    ShowWindow(Item(IDC_VERSION_RECORD), _wcsicmp(logging.c_str(), L"true") == 0 ? SW_SHOW : SW_HIDE);
    SetRecordFlagFromBox();
    SetTimer(Handle(), kListingTimer, 10, nullptr);

    std::vector<uint8_t> version;
    const std::wstring repairVersion = ResGetAppDir() + L"repair_info\\" + ResGetLanguageCode() + L"\\version.txt";
    if (ReadFileBytesUpTo(repairVersion, 4096, version)) {
        std::string line(version.begin(), version.end());
        line = line.substr(0, std::min(line.find_first_of("\r\n"), size_t{9}));
        wchar_t text[128] = {};
        std::swprintf(text, std::size(text), ResGetStringOr(0x10050015, L"Repair Info. version: %s").c_str(),
                      std::wstring(line.begin(), line.end()).c_str());
        SetDlgItemTextW(Handle(), IDC_VERSION_REPAIR, text);
    } else {
        SetDlgItemTextW(Handle(), IDC_VERSION_REPAIR, L"");
    }
    LayOut();
}

void CVersionView::FillMiddleLeftBar(CFormViewEx* owner)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CMiddleLeftBar& bar = frame->MiddleLeftBar();
    bar.ClearItemList();
    if (m_nReturnViewId == CHarrowfenView::kViewId) {
        bar.AddItem(CHarrowfenView::ListCaption(), L"", owner);
    } else {
        for (const std::wstring& region : ResGetMakerList())
            bar.AddItem(region, L"", owner);
        const int current = frame->MakerView().CurrentRegion() % kMaxItemButtons;
        bar.SetCurrentItem(std::clamp(current, 0, std::max(bar.GetItemCount() - 1, 0)));
    }
    bar.CreateButtons();
    bar.SetFlag(true);  // only after the buttons: their first pass must not lead back to the chooser
}

void CVersionView::LayOut()
{
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const int logoRight = 15 + 150;
    MoveWindow(Item(IDC_VERSION_MAKER), logoRight + 20, 20, width - logoRight - 160, 24, TRUE);
    MoveWindow(Item(IDC_VERSION_LINE), logoRight + 20, 52, width - logoRight - 160, 24, TRUE);
    MoveWindow(Item(IDC_VERSION_REPAIR), logoRight + 20, 84, width - logoRight - 160, 24, TRUE);
    if (m_pHelpButton && m_pHelpButton->IsWindow())
        m_pHelpButton->Move(width - 130, 52, 103, 29);
    const int top = 170;
    const int listWidth = std::max(width / 3, 120);
    MoveWindow(Item(IDC_VERSION_LIST), 15, top, listWidth, height - top - 80, TRUE);
    MoveWindow(Item(IDC_VERSION_DESCRIPTION), 30 + listWidth, top, width - listWidth - 55, height - top - 80, TRUE);
    MoveWindow(Item(IDC_VERSION_RECORD), 15, height - 72, 150, 24, TRUE);
    MoveWindow(Item(IDC_VERSION_STATUS), 15, height - 40, 445, 30, TRUE);
    MoveWindow(Item(IDC_VERSION_PROGRESS), 480, height - 36, std::max(width - 500, 50), 20, TRUE);
}

void CVersionView::EnableList(bool enable)
{
    EnableWindow(Item(IDC_VERSION_LIST), enable);
}

void CVersionView::ListVersionsNow()
{
    KillTimer(Handle(), kListingTimer);
    ListVersions();
}

void CVersionView::ListVersions()
{
    const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const std::wstring language = GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN");
    CFileFindPro folders;
    const int count = folders.FindSubfolders(m_strMakerDir + L"*.*");
    const HWND list = Item(IDC_VERSION_LIST);
    const HWND names = Item(IDC_VERSION_FOLDERS);
    for (int i = 0; i < count; ++i) {
        const std::wstring folder = folders.GetAt(i);
        if (IsLanguageFolderName(folder))
            continue;
        const std::wstring path = m_strMakerDir + folder + L"\\" + language + L".txt";
        if (!Exists(path))
            continue;
        // A description that cannot be read (locked, or larger than any description) skips the
        // version quietly; only one that was read and holds no version line is reported.
        const std::optional<std::wstring> text = ReadDescriptionFile(path);
        if (!text)
            continue;
        const std::wstring line = SplitDescription(*text).versionLine;
        if (line.empty()) {
            wchar_t message[600] = {};
            std::swprintf(message, std::size(message), L"%ls: bad format", path.c_str());
            Ask(message);
            continue;
        }
        const double number = VersionNumberOf(line);
        const size_t at = VersionInsertPosition(m_versionNumbers, number);
        m_versionNumbers.insert(m_versionNumbers.begin() + static_cast<ptrdiff_t>(at), number);
        SendMessageW(list, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>((L"  " + line).c_str()));
        SendMessageW(names, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>((L"  " + folder).c_str()));
    }
    if (SendMessageW(list, LB_GETCOUNT, 0, 0) > 0)
        SelectVersion(0);
    EnableList(true);
    SetCursor(previous ? previous : LoadCursorW(nullptr, IDC_ARROW));
}

std::vector<std::wstring> CVersionView::ListedVersions() const
{
    std::vector<std::wstring> versions;
    const HWND list = Item(IDC_VERSION_LIST);
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        versions.push_back(ListText(list, i));
    return versions;
}

void CVersionView::SelectVersion(int index)
{
    SendDlgItemMessageW(Handle(), IDC_VERSION_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    OnSelectionChanged();
}

void CVersionView::OnSelectionChanged()
{
    const int index = static_cast<int>(SendDlgItemMessageW(Handle(), IDC_VERSION_LIST, LB_GETCURSEL, 0, 0));
    if (index < 0)
        return;
    const std::wstring folder = Trim(ListText(Item(IDC_VERSION_FOLDERS), index));
    const std::wstring software = m_strMakerDir + folder + L"\\";
    ResSetSoftwareDir(software);

    const std::wstring language = GetConfigValue(L"COMMON\\LANGUAGE", L"CURMODE", L"EN");
    // The software folder already names this version: a description that cannot be read any more
    // shows as empty rather than leaving the previous version's text beside it.
    const std::wstring text = ReadDescriptionFile(software + language + L".txt").value_or(L"");
    const VERSION_DESCRIPTION parts = SplitDescription(text);
    m_strVersionLine = parts.versionLine;
    m_strDescription = parts.description;
    SetDlgItemTextW(Handle(), IDC_VERSION_LINE, m_strVersionLine.c_str());
    SetDlgItemTextW(Handle(), IDC_VERSION_DESCRIPTION, m_strDescription.c_str());
    const std::wstring help = HelpDocumentPath(software, language);
    const bool present = Exists(help) && Exists(ResGetAppDir() + L"tools\\PDF\\PDFReader.exe");
    m_strHelpDocument = present ? help : std::wstring();
    if (m_pHelpButton && m_pHelpButton->IsWindow())
        m_pHelpButton->Enable(present);
}

void CVersionView::OnRecord()
{
    SetRecordFlagFromBox();
}

// The start answer carries what the user sees: a tick given for a maker that records stays in the
// process-wide flag, and must not reach a maker whose box is hidden, where nobody can clear it.
void CVersionView::SetRecordFlagFromBox()
{
    const HWND box = Item(IDC_VERSION_RECORD);
    const bool shown = (GetWindowLongW(box, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool ticked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ResSetRecordFlag(shown && ticked ? "1" : "0");
}

void CVersionView::OpenHelpDocument()
{
    if (m_strHelpDocument.empty())
        return;
    if (!OpenDocumentInReader(m_strHelpDocument, g_hDocumentReader, Handle()))
        return;
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(491, 1);
}

void CVersionView::OnBack()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(m_nReturnViewId, 1);
}

void CVersionView::OnHideView()
{
    ++m_nLeaveCount;
    CancelLaunch();
    CFormViewEx::OnHideView();
}

// The steps of a launch wait on timers of this view. Left running behind another view, they would
// load the interface and start the diagnostic program there, with the software folder that the
// choosers clear.
void CVersionView::CancelLaunch()
{
    KillTimer(Handle(), kLaunchTimer1);
    KillTimer(Handle(), kLaunchTimer2);
    if (!m_bLaunching)
        return;
    m_progress.SetPos(0);
    m_progress.Show(SW_HIDE);
    SetDlgItemTextW(Handle(), IDC_VERSION_STATUS, L"");
    EnableList(true);
    EndLaunch();
}

void CVersionView::OnAccept()
{
    if (m_bLaunching)
        return;
    if (ResGetRunModeFlag() == L"1") {
        const unsigned leaves = m_nLeaveCount;
        const std::wstring question = ResGetStringOr(0x1008000A, L"Run Mode") + L" : " + ResGetStringOr(0x10000013, L"Demo");
        if (Ask(question) != IDOK || leaves != m_nLeaveCount)
            return;
    }
    SetStatus(ResGetStringOr(0x10000603, L"Downloading communication program..."));
    StartDiagnosis();
}

void CVersionView::SetStatus(const std::wstring& text)
{
    SetDlgItemTextW(Handle(), IDC_VERSION_STATUS, text.c_str());
    ShowWindow(Item(IDC_VERSION_STATUS), SW_SHOW);
}

std::wstring CVersionView::StatusText() const
{
    wchar_t text[512] = {};
    GetDlgItemTextW(Handle(), IDC_VERSION_STATUS, text, 512);
    return text;
}

bool CVersionView::IsInterfaceNetworkConnected()
{
    if (ResGetRunModeFlag() == L"1")
        return false;
    return IsConnectedToWifiNetwork(ToAnsi(GetConfigValue(L"COMMON\\WIFI", L"SSID", L"KORVE")));
}

void CVersionView::StartDiagnosis()
{
    if (m_bLaunching || IsDiagProgramRunning())
        return;
    m_bLaunching = true;
    const unsigned leaves = m_nLeaveCount;
    if (ResGetRunModeFlag() != L"1" && !IsInterfaceNetworkConnected()) {
        const int answer = Ask(ResGetStringOr(0x10080030, L"Connect Nuthawk failed, Please make sure WIFI connected correctly."));
        if (leaves != m_nLeaveCount)
            return;  // the user went elsewhere meanwhile: that ended the launch
        if (answer != IDOK) {
            ShowWindow(Item(IDC_VERSION_STATUS), SW_HIDE);
            EndLaunch();
            return;
        }
        ResSetRunModeFlag(L"1");
    }
    EnableList(false);
    ResSetLaunchFlag(1);
    if (ResGetRunModeFlag() != L"1") {
        m_link.ReadInterfaceVersion();
        if (!m_link.ResetInterface(0)) {
            Ask(ResGetStringOr(0x10000608, L"Reset failed! \r\nYou'd better try again or power off and then on!"));
            if (leaves != m_nLeaveCount)
                return;
            EnableList(true);
            SetStatus(L"");
            EndLaunch();
            return;
        }
    }
    Sleep(100);
    if (!PrepareLaunch())
        EndLaunch();
}

void CVersionView::EndLaunch()
{
    m_bLaunching = false;
}

bool CVersionView::PrepareLaunch()
{
    if (!Exists(ResGetSoftwareDir() + L"MAKER.exe")) {
        SetStatus(L"  " + ResGetStringOr(0x10000600, L"Diagnostic program MAKER.exe not found!"));
        return false;
    }
    m_nLinkProgramId = CLaunchLink::ReadLinkProgramId();
    SetStatus(ResGetStringOr(0x10000603, L"Downloading communication program..."));
    SetTimer(Handle(), kLaunchTimer1, 10, nullptr);
    return true;
}

void CVersionView::OnLaunchStep1()
{
    if (ResGetRunModeFlag() != L"1") {
        const auto showProgress = [this](int percent) {
            m_progress.Show(SW_SHOW);
            m_progress.SendMsg(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
            m_progress.SetPos(percent);
            UpdateWindow(m_progress.Handle());  // the load runs on this thread: paint now
        };
        if (!m_link.CheckInterfaceProgram(m_nLinkProgramId, showProgress) ||
            !m_link.SendMakerGroup(ResGetSoftwareDir())) {
            m_progress.SetPos(0);
            SetStatus(ResGetStringOr(0x10000604, L"Communication program running failed!"));
            EnableList(true);
            EndLaunch();
            return;
        }
    }
    SetTimer(Handle(), kLaunchTimer2, 10, nullptr);
    SetStatus(ResGetDiagDebug() == 1 ? L"\u4E0B\u4F4D\u673A\u4E0B\u8F7D\u6210\u529F!\u8BF7\u7528VC\u542F\u52A8\u8BCA\u65AD\u7A0B\u5E8F..."
                                     : ResGetStringOr(0x10000605, L"Launching the diagnostic program..."));
    m_progress.Show(SW_HIDE);
}

void CVersionView::OnLaunchStep2()
{
    EndLaunch();  // from here on a running program (or the debug flag) answers for the next start
    m_progress.SetPos(0);
    if (ResGetDiagDebug() == 1) {
        SetDiagProgramProcess(nullptr);
        EnableList(true);
        return;
    }
    const std::wstring program = ResGetSoftwareDir() + L"MAKER.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = 0;
    PROCESS_INFORMATION process = {};
    const bool started =
        CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != FALSE;
    if (started) {
        CloseHandle(process.hThread);
        SetDiagProgramProcess(process.hProcess);
    } else {
        SetStatus(std::to_wstring(GetLastError()) + ResGetStringOr(0x10000606, L"Launching the diagnostic program failed!"));
    }
    if (ResGetRunModeFlag() != L"1")
        Sleep(1500);
    if (started)
        SetStatus(L"");
}

bool CVersionView::OnTimer(UINT_PTR id)
{
    switch (id) {
    case kListingTimer:
        KillTimer(Handle(), kListingTimer);
        ListVersions();
        return true;
    case kLaunchTimer1:
        KillTimer(Handle(), kLaunchTimer1);
        OnLaunchStep1();
        return true;
    case kLaunchTimer2:
        KillTimer(Handle(), kLaunchTimer2);
        OnLaunchStep2();
        return true;
    default:
        return false;
    }
}

bool CVersionView::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_VERSION_LIST && code == LBN_SELCHANGE) {
        OnSelectionChanged();
        return true;
    }
    if (id == IDC_VERSION_LIST && code == LBN_DBLCLK) {
        StartDiagnosis();
        return true;
    }
    if (id == IDC_VERSION_RECORD && code == BN_CLICKED) {
        OnRecord();
        return true;
    }
    if (id == IDC_VERSION_HELP && code == BN_CLICKED) {
        OpenHelpDocument();
        return true;
    }
    return CFormViewEx::OnCommand(id, code, control);
}

bool CVersionView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    if (m_hMakerLogo) {
        BITMAP info = {};
        GetObjectW(m_hMakerLogo, sizeof(info), &info);
        CMemoryDc memory(paint.Get());
        CSelectObject selected(memory.Get(), m_hMakerLogo);
        BitBlt(paint.Get(), 15, 10, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    }
    CScopedPen line(CreatePen(PS_SOLID, 2, RGB(230, 230, 230)));
    {
        CSelectObject pen(paint.Get(), line.Get());
        MoveToEx(paint.Get(), client.left, client.top + 156, nullptr);
        LineTo(paint.Get(), client.right, client.top + 156);
    }
    if (!m_edge)
        m_edge.Reset(LoadProgramBitmap(472));
    if (m_edge) {
        BITMAP info = {};
        GetObjectW(m_edge.Get(), sizeof(info), &info);
        CMemoryDc memory(paint.Get());
        CSelectObject selected(memory.Get(), m_edge.Get());
        StretchBlt(paint.Get(), client.right - info.bmWidth, 0, info.bmWidth, client.bottom, memory.Get(), 0, 0,
                   info.bmWidth, info.bmHeight, SRCCOPY);
    }
    return true;
}

HBRUSH CVersionView::OnCtlColor(HDC dc, HWND control, UINT message)
{
    if (message == WM_CTLCOLORSTATIC) {
        SetBkColor(dc, RGB(255, 255, 255));
        return m_whiteBrush.Get();
    }
    return CFormViewEx::OnCtlColor(dc, control, message);
}
