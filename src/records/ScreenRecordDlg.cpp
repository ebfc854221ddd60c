#include "ScreenRecordDlg.h"

#include "BarDrawing.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "RecorderWindows.h"
#include "RecordingList.h"
#include "ReplaygifView.h"
#include "ScopedWin.h"
#include "SharedHandles.h"
#include "StringResources.h"

namespace {

constexpr int kPanelTemplate = 385;
constexpr int kFaceNormal = 409, kFacePressed = 410, kFaceDisabled = 471;
constexpr int kRightEdge = 472;
constexpr UINT_PTR kRestartTimer = 2;
constexpr UINT kRestartPeriodMs = 600000;
constexpr DWORD kFirstLookMs = 500;
constexpr DWORD kSecondLookMs = 1000;
constexpr wchar_t kRecorderFolder[] = L"tools\\DataRecord\\";
constexpr wchar_t kRecorderFile[] = L"ScreenRecorder.exe";

std::tm LocalTime(std::time_t time)
{
    std::tm local = {};
    localtime_s(&local, &time);
    return local;
}

void ShowPanelMessage(HWND parent, const std::wstring& text)
{
    PopMsgDlg box(parent);
    box.SetMessage(text);
    box.DoModal();
}

}  // namespace

std::wstring RecorderProgramPath()
{
    return ResGetAppDir() + kRecorderFolder + kRecorderFile;
}

CScreenRecordDlg::CScreenRecordDlg(HWND view) : CDialog(kPanelTemplate, view) {}

CScreenRecordDlg::~CScreenRecordDlg() = default;

bool CScreenRecordDlg::NeedsRestart(int startHour, int startMinute, int nowHour, int nowMinute)
{
    if (nowHour <= startHour)
        return false;
    return nowHour - startHour > 2 || nowMinute > startMinute;
}

void CScreenRecordDlg::MakeButton(int id, uint32_t textId, const wchar_t* english)
{
    auto button = std::make_unique<CBmpBtn>();
    if (!button->Create(L"", WS_TABSTOP | WS_VISIBLE, RECT{0, 0, 1, 1}, Handle(), id))
        return;
    std::wstring caption = ResGetString(textId);
    button->SetText(caption.empty() && english ? english : caption);
    button->SetBitmaps(kFaceNormal, kFacePressed, kFaceDisabled, 0);
    button->SetCenterText(true);
    m_buttons.push_back(std::move(button));
}

CBmpBtn* CScreenRecordDlg::Button(int id) const
{
    for (const auto& button : m_buttons)
        if (button->ControlId() == id)
            return button.get();
    return nullptr;
}

void CScreenRecordDlg::ShowButton(int id, bool shown) const
{
    if (CBmpBtn* button = Button(id))
        button->Show(shown ? SW_SHOW : SW_HIDE);
}

void CScreenRecordDlg::EnableButton(int id, bool enabled) const
{
    if (CBmpBtn* button = Button(id))
        button->Enable(enabled);
}

bool CScreenRecordDlg::OnInitDialog()
{
    MakeButton(kStart, 0x10000914, nullptr);
    MakeButton(kPause, 0x10000917, nullptr);
    MakeButton(kResume, 0x20000175, nullptr);
    MakeButton(kStop, 0x10000913, L"Stop");
    MakeButton(kList, 0x10000918, nullptr);
    ShowButton(kResume, false);  // resume shares pause's place and is shown only while paused
    EnableButton(kPause, false);
    EnableButton(kStop, false);
    EnableButton(kStart, GetFileAttributesW(RecorderProgramPath().c_str()) != INVALID_FILE_ATTRIBUTES);
    PlaceButtons();
    OnListRecordings();
    return true;
}

void CScreenRecordDlg::PlaceButtons()
{
    const RECT client = ClientRect();
    const SIZE face = ProgramBitmapSize(kFaceNormal);
    const int gap = (client.right - client.left - 4 * face.cx) / 5;
    const int y = (client.bottom - client.top - face.cy) / 2;
    const struct {
        int id;
        int slot;
    } places[] = {{kStart, 0}, {kPause, 1}, {kResume, 1}, {kStop, 2}, {kList, 3}};
    for (const auto& place : places)
        if (CBmpBtn* button = Button(place.id))
            button->Move(client.left + (place.slot + 1) * gap + place.slot * face.cx, y, face.cx, face.cy);
}

void CScreenRecordDlg::StartRecorder()
{
    StopRecorderWindows();
    TerminateKeptRecorder();
    const std::wstring program = RecorderProgramPath();
    const std::wstring folder = ResGetAppDir() + kRecorderFolder;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return;
    CloseHandle(process.hThread);
    SetRecorderProcess(process.hProcess);
}

void CScreenRecordDlg::OnStart()
{
    m_startTime = std::time(nullptr);
    StartRecorder();
    Sleep(kFirstLookMs);
    if (!RecorderWindowExists())
        Sleep(kSecondLookMs);
    if (!RecorderWindowExists()) {
        ShowPanelMessage(Handle(), ResGetString(0x1000091A) + L"\n" + ResGetAppDir() + L"\n" + kRecorderFolder +
                                       kRecorderFile);
        return;
    }
    SendRecorderControl(RecorderStart);
    // Armed only for a recording that runs: a tick after a failed start would report the missing
    // recorder again, or start one nobody asked for, an hour later.
    SetTimer(Handle(), kRestartTimer, kRestartPeriodMs, nullptr);
    ShowButton(kResume, false);
    ShowButton(kPause, true);
    EnableButton(kPause, true);
    EnableButton(kStop, true);
    EnableButton(kStart, false);
}

void CScreenRecordDlg::OnPause()
{
    ShowButton(kPause, false);
    ShowButton(kResume, true);
    SendRecorderControl(RecorderPause);
}

void CScreenRecordDlg::OnResume()
{
    ShowButton(kResume, false);
    ShowButton(kPause, true);
    SendRecorderControl(RecorderResume);
}

void CScreenRecordDlg::OnStop()
{
    EnableButton(kList, true);
    EnableButton(kPause, false);
    EnableButton(kStart, true);
    EnableButton(kStop, false);
    ShowButton(kResume, false);
    ShowButton(kPause, true);
    KillTimer(Handle(), kRestartTimer);
    SendRecorderControl(RecorderStop);
    // The recorder closes its window once the recording is written; ending it before that would
    // lose the recording.
    WaitForRecorderWindowsGone(RecorderFinishBound());
    TerminateKeptRecorder();
}

void CScreenRecordDlg::OnListRecordings()
{
    m_recordings = ListRecordingNames(RecordingFolder());
    if (!m_listedOnce) {
        m_listedOnce = true;
        EnableButton(kList, !m_recordings.empty());
        return;
    }
    if (m_recordings.empty()) {
        ShowPanelMessage(Handle(), ResGetString(0x20000173));
        return;
    }
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    if (auto* replay = dynamic_cast<CReplaygifView*>(frame->View(CReplaygifView::kViewId)))
        replay->SetRecordings(m_recordings);
    frame->SwitchView(CReplaygifView::kViewId, SW_SHOW);
}

bool CScreenRecordDlg::OnCommand(int id, int code, HWND)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case kStart: OnStart(); return true;
    case kPause: OnPause(); return true;
    case kResume: OnResume(); return true;
    case kStop: OnStop(); return true;
    case kList: OnListRecordings(); return true;
    default: return false;
    }
}

bool CScreenRecordDlg::OnTimer(UINT_PTR id)
{
    if (id != kRestartTimer)
        return false;
    const std::tm start = LocalTime(m_startTime);
    const std::tm now = LocalTime(std::time(nullptr));
    const CBmpBtn* pause = Button(kPause);
    const CBmpBtn* stop = Button(kStop);
    const bool recording = stop && stop->IsEnabled() && pause && pause->IsVisible();
    if (recording && NeedsRestart(start.tm_hour, start.tm_min, now.tm_hour, now.tm_min)) {
        OnStop();
        OnStart();
    }
    return true;
}

bool CScreenRecordDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result)
{
    if (message != kRecorderMessage)
        return false;
    result = 0;  // the panel is no recorder
    return true;
}

bool CScreenRecordDlg::OnSize(UINT, int, int)
{
    // Made at the template's size, then fitted to the page: the places follow the panel's width.
    PlaceButtons();
    return false;
}

bool CScreenRecordDlg::OnPaint()
{
    CPaintDc paint(Handle());
    RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CScopedBitmap edge(LoadProgramBitmap(kRightEdge));
    if (edge) {
        const SIZE size = ProgramBitmapSize(kRightEdge);
        CMemoryDc source(paint.Get());
        CSelectObject select(source.Get(), edge.Get());
        StretchBlt(paint.Get(), client.right - 2, 0, size.cx, client.bottom, source.Get(), 0, 0, size.cx, size.cy,
                   SRCCOPY);
    }
    return true;
}
