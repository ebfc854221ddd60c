#include "UpdateDlg.h"

#include <shellapi.h>

#include <cwctype>
#include <set>

#include "BackgroundRequest.h"
#include "BarDrawing.h"
#include "ConfigStore.h"
#include "DirectoryTree.h"
#include "DownloadFolder.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "UpdateBlocks.h"
#include "UpdateMessages.h"
#include "UpdateRules.h"
#include "UpdateThreads.h"
#include "WebClient.h"
#include "resource.h"

using namespace update_messages;
using update_check::DOWNLOAD_STEP;
using update_check::UPDATE_STATE;

namespace {

constexpr int kLabelHeight = 20;
constexpr UINT kStepMs = 100;
constexpr COLORREF kFrameColour = RGB(157, 157, 161);

// Packages the update page's batches downloaded in this run, by their lower-cased path: only these
// are ever opened.
std::set<std::wstring>& FinishedPackages()
{
    static std::set<std::wstring> packages;
    return packages;
}

std::wstring Lowered(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring Text(uint32_t id, const wchar_t* english)
{
    const std::wstring text = ResGetString(id);
    return text.empty() ? english : text;
}

constexpr const wchar_t* kCheckFailedText = L"The update service could not be reached.";

// The edit control breaks lines only at CR LF.
std::wstring WithWindowsLineEnds(const std::wstring& text)
{
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            result += L'\r';
        result += text[i];
    }
    return result;
}

bool MakeStatic(CWindow& label, HWND parent, DWORD style)
{
    WINDOW_CREATE_ARGS args;
    args.className = L"STATIC";
    args.style = WS_CHILD | SS_NOPREFIX | style;
    args.parent = parent;
    args.controlId = -1;
    if (!label.Create(args))
        return false;
    label.SetFont(NormalFont(), false);
    return true;
}

void Place(const CWindow& control, int x, int y, int width, int height, bool show)
{
    control.Move(x, y, width, height, true);
    control.Show(show ? SW_SHOW : SW_HIDE);
}

}  // namespace

CUpdateDlg::CUpdateDlg(HWND view)
    : CSetupPage(SETUP_PAGE::Update, view), m_picture(LoadProgramBitmap(IDB_UPDATE_PICTURE))
{
}

// The page goes with every rebuild of the settings view: only a batch of its own ends with it, and
// bars it disabled come back.
CUpdateDlg::~CUpdateDlg()
{
    if (Handle()) {
        KillTimer(Handle(), kStepTimer);
        StopUpdateThreadsOwnedBy(Handle());
    }
    if (m_barsDisabled)
        EnableFrameBars(true);
}

// At the program's exit the window goes long before the object: the batch must not outlive it.
void CUpdateDlg::OnDestroy()
{
    KillTimer(Handle(), kStepTimer);
    StopUpdateThreadsOwnedBy(Handle());
    CSetupPage::OnDestroy();
}

bool CUpdateDlg::OnInitDialog()
{
    MakeStatic(m_message, Handle(), SS_CENTER | SS_CENTERIMAGE | WS_VISIBLE);
    MakeStatic(m_version, Handle(), SS_LEFT | SS_CENTERIMAGE);
    MakeStatic(m_status, Handle(), SS_RIGHT | SS_CENTERIMAGE);
    m_download.Create(L"", WS_VISIBLE | WS_TABSTOP, RECT{}, Handle(), kDownloadId);
    m_download.SetBitmaps(IDB_SOFTROW_BUTTON, IDB_SOFTROW_BUTTON_DOWN, 0, 0);
    m_download.SetCenterText(true);
    WINDOW_CREATE_ARGS box;
    box.className = L"EDIT";
    box.style = WS_CHILD | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY;
    box.parent = Handle();
    m_description.Create(box);
    m_description.SetFont(NormalFont(), false);
    WINDOW_CREATE_ARGS bar;
    bar.className = PROGRESS_CLASSW;
    bar.style = WS_CHILD;
    bar.parent = Handle();
    bar.controlId = kProgressId;
    m_progress.Create(bar);
    m_progress.SendMsg(PBM_SETRANGE32, 0, 100);
    m_download.Show(SW_HIDE);
    return true;
}

// A service that is slow or unreachable never holds the program: the check runs on a thread of its
// own, at every selection of the page.
void CUpdateDlg::CheckForUpdates()
{
    m_serialNumber = GetConfigValue(L"COMMON\\LOGIN", L"SERIALNO", L"");
    m_versionText = update_check::InstalledVersionText(GetGlobalFloat2());
    m_failure.clear();
    m_offered = ProductRecord();
    m_descriptionRequest.reset();
    auto offer = std::make_shared<std::optional<ProductRecord>>();
    m_offerRequest = offer;
    const WebServerAddress server = WebServerHost();
    const std::wstring serial = m_serialNumber;
    const std::wstring language = ResGetLanguageCode();
    if (!CBackgroundRequest::Start(Handle(), kOfferFetched, ++m_ticket, [offer, serial, language, server] {
            WebClient client(server);
            *offer = client.FetchProductList(serial, language, 3);
        })) {
        m_offerRequest.reset();
        m_failure = kCheckFailedText;
        SetState(UPDATE_STATE::NoUpdate);
        return;
    }
    SetState(UPDATE_STATE::Checking);
}

void CUpdateDlg::OnOfferFetched(WPARAM ticket)
{
    if (ticket != m_ticket || !m_offerRequest)
        return;
    const auto offer = std::move(m_offerRequest);
    if (!*offer) {
        m_failure = kCheckFailedText;
        SetState(UPDATE_STATE::NoUpdate);
        return;
    }
    m_offered = **offer;
    const bool newer = update_check::IsNewerVersion(m_versionText, m_offered.Version);
    SetState(newer ? UPDATE_STATE::Offered : UPDATE_STATE::NoUpdate);
}

void CUpdateDlg::OnDownload()
{
    CreateDirectoryTree(DownloadFolderPath().c_str());
    switch (update_check::DownloadStepFor(m_state)) {
    case DOWNLOAD_STEP::ShowDescription:
        ShowDescription();
        break;
    case DOWNLOAD_STEP::OpenOrDownload:
        OpenOrDownload();
        break;
    case DOWNLOAD_STEP::OpenDownloaded:
        OpenAfterBatch();
        break;
    case DOWNLOAD_STEP::Nothing:
        Invalidate(true);
        break;
    }
}

// The description is asked for once, on a thread of its own: a slow service never holds the page.
void CUpdateDlg::ShowDescription()
{
    m_versionText = L"V" + m_offered.Version;
    const LONG_PTR style = GetWindowLongPtrW(m_message.Handle(), GWL_STYLE);
    SetWindowLongPtrW(m_message.Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_LEFT);
    m_description.SetText(L"");
    auto description = std::make_shared<std::wstring>();
    m_descriptionRequest = description;
    const WebServerAddress server = WebServerHost();
    const std::wstring id = m_offered.SoftwareUploadid;
    if (!CBackgroundRequest::Start(Handle(), kDescriptionFetched, ++m_ticket, [description, id, server] {
            WebClient client(server);
            *description = client.GetTextFlag2(id);
        }))
        m_descriptionRequest.reset();
    SetState(UPDATE_STATE::Described);
}

void CUpdateDlg::OnDescriptionFetched(WPARAM ticket)
{
    if (ticket != m_ticket || !m_descriptionRequest)
        return;
    const auto description = std::move(m_descriptionRequest);
    m_description.SetText(WithWindowsLineEnds(*description));
}

void CUpdateDlg::OpenOrDownload()
{
    m_failure.clear();
    const auto file = update_rules::LocalFileFor(ResGetAppDir() + L"download", m_offered.FullPathFileName);
    if (!file) {
        // An empty name would open the folder itself, one with ".." a file outside it.
        m_packageFile.clear();
        Fail(L"The update package has no usable file name.");
        return;
    }
    m_packageFile = *file;
    EnableFrameBars(false);
    if (OpenPackage(0))
        return;
    StartDownload();
}

void CUpdateDlg::StartDownload()
{
    m_downloadFailed = false;
    m_unpacked = false;
    m_progress.SetPos(0);
    SetState(UPDATE_STATE::Downloading);
    SetProgressWindow(Handle());
    TheUpdateJobList() = UpdateJobList{UpdateJob{0, m_offered}};
    StartUpdateThreads();
    m_batchNumber = UpdateBatchNumber();
    m_batchRunning = true;
    m_download.Enable(false);
    Invalidate(true);
}

void CUpdateDlg::OpenAfterBatch()
{
    EnableFrameBars(true);
    m_failure.clear();
    if (OpenPackage(1))
        return;
    if (m_downloadFailed)
        Fail(L"The update package could not be downloaded.");
    else if (!m_unpacked)
        Fail(L"The update package could not be opened.");
    Invalidate(true);
}

bool CUpdateDlg::OpenPackage(WPARAM from)
{
    if (m_packageFile.empty() || !FinishedPackages().contains(Lowered(m_packageFile)))
        return false;
    if (GetFileAttributesW(m_packageFile.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(Handle(), L"open", m_packageFile.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        return false;
    KeepDownloadAtExit(m_packageFile);
    SendMessageW(Parent(), kCloseForUpdate, from, 0);
    return true;
}

void CUpdateDlg::Fail(const std::wstring& text)
{
    m_failure = text;
    if (m_barsDisabled)
        EnableFrameBars(true);
    ApplyLayout();
}

void CUpdateDlg::EnableFrameBars(bool enable)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    for (CWindow* bar : {static_cast<CWindow*>(&frame->MiddleLeftBar()), static_cast<CWindow*>(&frame->TopBar()),
                         static_cast<CWindow*>(&frame->BottomBar())}) {
        if (bar->IsWindow())
            bar->Enable(enable);
    }
    m_barsDisabled = !enable;
}

void CUpdateDlg::SetState(UPDATE_STATE state)
{
    m_state = state;
    ApplyLayout();
    Invalidate(true);
}

// ---- the pipeline's reports ------------------------------------------------------------------

void CUpdateDlg::OnDownloadMessage(unsigned code, LPARAM parameter)
{
    switch (code) {
    case kDownloadBegins:
        m_progress.SendMsg(PBM_SETRANGE32, 0, 100);
        break;
    case kProgress: {
        int32_t job = 0;
        uint32_t percent = 0;
        update_blocks::ReadProgress(*reinterpret_cast<const update_blocks::ProgressBlock*>(parameter), job, percent);
        m_progress.SetPos(static_cast<int>(percent));
        break;
    }
    case kDownloadFailed:
        m_downloadFailed = true;
        PassDownloadResultToUnpack(parameter);
        ReleaseSerialSemaphore();
        break;
    case kDownloaded: {
        const auto result = update_blocks::ReadDownloadResult(*reinterpret_cast<const update_blocks::Block*>(parameter));
        if (result && result->Downloaded == 1 && !m_packageFile.empty())
            FinishedPackages().insert(Lowered(m_packageFile));
        PassDownloadResultToUnpack(parameter);
        SetState(UPDATE_STATE::Downloading);
        break;
    }
    default:
        break;
    }
}

void CUpdateDlg::OnUnpackMessage(unsigned code)
{
    switch (code) {
    case kArchiverStarted:
        // The archiver reports nothing until it ends: the bar walks on meanwhile.
        m_step = 0;
        SetTimer(Handle(), kStepTimer, kStepMs, nullptr);
        break;
    case kInstalled:
        KillTimer(Handle(), kStepTimer);
        m_unpacked = true;
        m_progress.SetPos(100);
        SetState(UPDATE_STATE::Downloading);
        ReleaseSerialSemaphore();
        break;
    case kNotInstalled:
        KillTimer(Handle(), kStepTimer);
        ReleaseSerialSemaphore();
        break;
    case kBatchFinished:
        OnBatchFinished();
        break;
    case kBatchReplaced:
        OnBatchReplaced();
        break;
    default:
        break;
    }
}

void CUpdateDlg::OnBatchFinished()
{
    KillTimer(Handle(), kStepTimer);
    StopUpdateThreadsOwnedBy(Handle());
    m_batchRunning = false;
    m_download.Enable(true);
    m_progress.Show(SW_HIDE);
    SetState(UPDATE_STATE::Finished);
    OnDownload();
}

// Another window started a batch of its own, which ended this one: nothing more comes of it.
void CUpdateDlg::OnBatchReplaced()
{
    KillTimer(Handle(), kStepTimer);
    m_batchRunning = false;
    m_download.Enable(true);
    SetState(UPDATE_STATE::Described);
    Fail(L"The download was interrupted; press the button to start it again.");
}

bool CUpdateDlg::OnTimer(UINT_PTR id)
{
    if (id != kStepTimer)
        return false;
    m_step = std::min(m_step + 10, 90);
    m_progress.SetPos(m_step);
    if (m_step >= 90)
        KillTimer(Handle(), kStepTimer);
    return true;
}

bool CUpdateDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case kDownloadMessage:
        if (AcceptReport(message, wParam, lParam, m_batchNumber))
            OnDownloadMessage(ReportCode(wParam), lParam);
        break;
    case kUnpackMessage:
        if (AcceptReport(message, wParam, lParam, m_batchNumber))
            OnUnpackMessage(ReportCode(wParam));
        break;
    case kDescriptionFetched:
        OnDescriptionFetched(wParam);
        break;
    case kOfferFetched:
        OnOfferFetched(wParam);
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

bool CUpdateDlg::OnCommand(int id, int code, HWND)
{
    if (id != kDownloadId || code != BN_CLICKED)
        return false;
    OnDownload();
    return true;
}

// ---- layout and painting ---------------------------------------------------------------------

bool CUpdateDlg::OnSize(UINT, int, int)
{
    ApplyLayout();
    return false;
}

void CUpdateDlg::ApplyLayout()
{
    if (!m_message.IsWindow())
        return;
    const RECT client = ClientRect();
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    const int top = client.top;
    const SIZE button = ProgramBitmapSize(IDB_SOFTROW_BUTTON);
    const bool failed = !m_failure.empty();
    switch (m_state) {
    case UPDATE_STATE::Unchecked:
        break;
    case UPDATE_STATE::Checking:
    case UPDATE_STATE::NoUpdate: {
        // A check that failed says so: the page must not claim this version is the newest.
        const bool checkFailed = m_state == UPDATE_STATE::NoUpdate && failed;
        m_message.SetText(m_state == UPDATE_STATE::Checking ? std::wstring(L"Checking for a newer version...")
                          : checkFailed ? m_failure
                                        : Text(0x20000165, L"This is the newest version of the program."));
        const int width = checkFailed ? w * 2 / 3 : w / 3;
        Place(m_message, (w - width) / 2, top + (h - kLabelHeight) / 3, width, kLabelHeight, true);
        m_download.Show(SW_HIDE);
        m_version.Show(SW_HIDE);
        m_description.Show(SW_HIDE);
        m_status.Show(SW_HIDE);
        m_progress.Show(SW_HIDE);
        break;
    }
    case UPDATE_STATE::Offered:
        m_message.SetText(Text(0x20000005, L"Update") + L" V" + m_versionText + L" --> V" + m_offered.Version);
        Place(m_message, w / 3, top + (h - kLabelHeight) / 3, w / 3, kLabelHeight, true);
        m_download.SetText(Text(0x20000168, L"Details"));
        Place(m_download, (w - button.cx) / 2, (h / 3) * 2 - button.cy, button.cx, button.cy, true);
        m_version.Show(SW_HIDE);
        m_description.Show(SW_HIDE);
        m_status.Show(SW_HIDE);
        m_progress.Show(SW_HIDE);
        break;
    case UPDATE_STATE::Described:
    case UPDATE_STATE::Downloading:
    case UPDATE_STATE::Finished: {
        m_message.SetText(Text(0x20000164, L"What is new:"));
        Place(m_message, 20, 115, 200, kLabelHeight, true);
        Place(m_description, 22, 150, w - 50, h - 160, true);
        m_version.SetText(m_versionText);
        Place(m_version, 125, top + 47, 100, kLabelHeight, true);
        m_download.SetText(Text(0x20000005, L"Update"));
        m_download.Move(w - button.cx - 30, top + 115, button.cx, button.cy, true);
        const bool downloading = m_state == UPDATE_STATE::Downloading;
        m_download.Show(downloading ? SW_HIDE : SW_SHOW);
        m_status.SetText(failed && !downloading ? m_failure : Text(0x20000028, L"Downloading..."));
        // A failure needs the room up to the button; the download's own line does not.
        const int statusWidth = failed && !downloading ? 500 - button.cx - 40 : 200;
        Place(m_status, w - 500, top + 115, statusWidth, kLabelHeight, downloading || failed);
        Place(m_progress, w - 300, top + 115, 260, 29, downloading);
        break;
    }
    }
}

bool CUpdateDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (m_state != UPDATE_STATE::Described && m_state != UPDATE_STATE::Downloading &&
        m_state != UPDATE_STATE::Finished)
        return true;
    const SIZE picture = BitmapSize(m_picture.Get());
    if (m_picture) {
        CMemoryDc memory(dc);
        CSelectObject selected(memory.Get(), m_picture.Get());
        BitBlt(dc, client.left + 10, client.top + 10, picture.cx, picture.cy, memory.Get(), 0, 0, SRCCOPY);
    }
    CScopedPen pen(CreatePen(PS_SOLID, 2, kFrameColour));
    CSelectObject selectedPen(dc, pen.Get());
    const int h = picture.cy;
    MoveToEx(dc, 18, h + 52, nullptr);
    LineTo(dc, client.right - 30, h + 52);
    MoveToEx(dc, 18, client.bottom - 5, nullptr);
    LineTo(dc, client.right - 30, client.bottom - 5);
    MoveToEx(dc, 18, h + 51, nullptr);
    LineTo(dc, 18, client.bottom - 5);
    return true;
}

HBRUSH CUpdateDlg::OnCtlColor(HDC dc, HWND, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
