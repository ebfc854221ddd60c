#include "RecorderInfoView.h"

#include <system_error>

#include "DSRecord.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "ProcessValues.h"
#include "RdsView.h"
#include "ReplayView.h"
#include "StringResources.h"

namespace {

constexpr uint32_t kDateTimeTitle = 0x10000919;
constexpr uint32_t kVehicleTitle = 0x10000220;
constexpr uint32_t kDeleteCaption = 0x10000020;
constexpr int kDeleteBitmap = 409;
constexpr int kDeleteBitmapDown = 410;

CBmpBtn* DeleteButton()
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->ButtonBar().GetButton(CRecorderInfoView::kDeleteKey) : nullptr;
}

}  // namespace

CRecorderInfoView::~CRecorderInfoView()
{
    DiscardManager();
}

// Shown.

void CRecorderInfoView::OnShowView()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->HelpInfoBar().SetInfoText(L"");
    UpdateWindow(frame->HelpInfoBar().Handle());
    CFormViewEx::OnShowView();
    for (int id : {3002, 3003, 3005, 3004})
        SetButtonState(id, false);

    if (!m_pTable)
        m_pTable = std::make_unique<CMultiCtrl>();
    frame->ButtonBar().AddButton(kDeleteKey);
    const RECT client = ClientRect();
    m_pTable->Attach(client, Handle());
    m_pTable->SetColumns(2, 0);
    m_pTable->SetStyle(0, 0);

    DiscardManager();
    m_pManager = std::make_unique<CDSRecorderInfoMgr>();

    const int width = client.right - client.left;
    m_pTable->SetColumnWidths(0, width / 5, 0);
    m_pTable->SetColumnWidths(1, width * 4 / 5, 0);
    m_pTable->SetHeaderText(0, ResGetString(kDateTimeTitle).c_str(), 0);
    m_pTable->SetHeaderText(1, ResGetString(kVehicleTitle).c_str(), 0);
    FillRows();

    SetText(L"DS_RECORD");
    const std::wstring caption = ResGetString(kDeleteCaption);
    frame->ButtonBar().SetButtonText(kDeleteKey, caption.empty() ? L"Delete" : caption);
    frame->ButtonBar().SetButtonBitmaps(kDeleteKey, kDeleteBitmap, kDeleteBitmapDown, 0);
    EnableRowCommands(false);
    m_pTable->Refresh();
    UpdatePageKeys();
}

void CRecorderInfoView::FillRows()
{
    m_pTable->Clear();
    m_rowRecords.clear();
    const std::wstring maker = ResGetMakerName();
    const std::wstring language = ResGetLanguageCode();
    _stuDSRecorderInfo record;
    for (int i = 0; i < m_pManager->GetCount() && m_pManager->GetRecordInfo(i, record); ++i) {
        if (record.GetMaker() != maker || record.GetLanguage() != language)
            continue;
        if (!m_pTable->AddRow())
            break;  // the table is full
        const int row = static_cast<int>(m_rowRecords.size());
        m_pTable->SetCellText(row, 0, record.GetDateTime().c_str(), -1);
        m_pTable->SetCellText(row, 1, record.GetMenuPath().c_str(), -1);
        m_rowRecords.push_back(i);
    }
}

void CRecorderInfoView::OnHideView()
{
    // Every way out writes the index back: open, back, home, and the bars' own buttons.
    DiscardManager();
    CFormViewEx::OnHideView();
}

void CRecorderInfoView::DiscardManager()
{
    if (!m_pManager)
        return;
    m_pManager->SaveRecordInfo();
    m_pManager.reset();
}

// The rows.

int CRecorderInfoView::SelectedRecord() const
{
    if (!m_pTable || !m_pManager)
        return -1;
    const int row = m_pTable->GetSelectedRow();
    if (row < 0 || row >= static_cast<int>(m_rowRecords.size()))
        return -1;
    return m_rowRecords[static_cast<size_t>(row)];
}

void CRecorderInfoView::EnableRowCommands(bool enabled)
{
    SetButtonState(3004, enabled);
    if (CBmpBtn* button = DeleteButton())
        button->Enable(enabled);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

void CRecorderInfoView::UpdatePageKeys()
{
    if (!m_pTable)
        return;
    SetButtonState(3002, !m_pTable->IsFirstPage());
    SetButtonState(3003, !m_pTable->IsLastPage());
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

bool CRecorderInfoView::OnLButtonUp(UINT keys, POINT point)
{
    if (m_pTable) {
        int row = -1;
        EnableRowCommands(m_pTable->HitTest(point.x, point.y, row, 0) != 0 && SelectedRecord() >= 0);
    }
    DefaultProc(WM_LBUTTONUP, keys, MAKELPARAM(point.x, point.y));
    return true;
}

bool CRecorderInfoView::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(Handle(), &paint);
    EndPaint(Handle(), &paint);
    if (m_pTable)
        m_pTable->Refresh();
    return true;
}

// Commands.

bool CRecorderInfoView::HandlesCommand(int commandId) const
{
    return commandId == kDeleteKey || CFormViewEx::HandlesCommand(commandId);
}

bool CRecorderInfoView::OnCommand(int id, int code, HWND control)
{
    if (id == kDeleteKey && (code == 0 || code == 1)) {
        DeleteRecording();
        return true;
    }
    return CFormViewEx::OnCommand(id, code, control);
}

void CRecorderInfoView::OnPageUp()
{
    if (!m_pTable)
        return;
    m_pTable->PageUp(1);
    UpdatePageKeys();
}

void CRecorderInfoView::OnPageDown()
{
    if (!m_pTable)
        return;
    m_pTable->PageDown(1);
    UpdatePageKeys();
}

void CRecorderInfoView::OpenRecording()
{
    CMainFrame* frame = CMainFrame::Instance();
    const int index = SelectedRecord();
    _stuDSRecorderInfo record;
    if (!frame || index < 0 || !m_pManager->GetRecordInfo(index, record))
        return;
    CDSRecord recording;
    const std::filesystem::path path = m_pManager->GetRecordingPath(record);
    if (path.empty() || !recording.LoadFromFile(path)) {
        // Gone since the list was read, or no recording: the row stays until the next show.
        ReportNotOpened(record.GetFileName());
        return;
    }
    auto* replay = dynamic_cast<CReplayView*>(frame->View(CReplayView::kViewId));
    if (!replay)
        return;
    replay->LoadRecording(recording);
    for (int row = 0; row < recording.GetRowCount(); ++row) {
        for (int item = 0; item < recording.GetItemCount(); ++item)
            replay->StoreSample(item, recording.GetSample(row, item));
        replay->NextRow();
    }
    frame->SwitchView(CReplayView::kViewId, 1);
    replay->StartReplay();
}

void CRecorderInfoView::DeleteRecording()
{
    const int index = SelectedRecord();
    _stuDSRecorderInfo record;
    if (index < 0 || !m_pManager->GetRecordInfo(index, record))
        return;
    const std::filesystem::path path = m_pManager->GetRecordingPath(record);
    // The file goes first: one that cannot be deleted (in use, read-only) keeps its index record,
    // so it stays listed and can be deleted later instead of lying in "Playback\" unseen for good.
    std::error_code error;
    if (!path.empty() && !std::filesystem::remove(path, error) && error) {
        ReportNotDeleted(record.GetFileName());
        return;
    }
    m_pManager->RemoveRecordInfo(index);
    m_pManager->SaveRecordInfo();
    FillRows();
    m_pTable->Refresh();
    EnableRowCommands(false);
    UpdatePageKeys();
}

void CRecorderInfoView::ReportNotOpened(const std::wstring& fileName) const
{
    ShowMessageBox(Handle(),
                   L"The recording could not be opened: its file \"Playback\\" + fileName +
                       L"\" is missing or cannot be read.",
                   L"", MB_OK | MB_ICONEXCLAMATION);
}

void CRecorderInfoView::ReportNotDeleted(const std::wstring& fileName) const
{
    ShowMessageBox(Handle(),
                   L"The recording could not be deleted: its file \"Playback\\" + fileName +
                       L"\" is in use or read-only. It stays in the list.",
                   L"", MB_OK | MB_ICONEXCLAMATION);
}

int CRecorderInfoView::BackTarget(int requested, bool frameHasView)
{
    return frameHasView && requested != kViewId ? requested : kLiveDataView;
}

void CRecorderInfoView::OnBack()
{
    CFormViewEx::OnBack();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    const int target = BackTarget(m_returnViewId, frame->View(m_returnViewId) != nullptr);
    auto* screen = target == kLiveDataView ? dynamic_cast<CRdsView*>(frame->View(kLiveDataView)) : nullptr;
    if (screen) {
        if (CMultiCtrl* live = screen->Engine())
            live->ClearSamples();
        screen->ForceRebuild();
    }
    // The live-data screen's show sets its keys up; setting them up again would add each twice.
    frame->SwitchView(target, 1);
    DiscardManager();
}

void CRecorderInfoView::OnExitDiagnosis()
{
    CFormViewEx::OnExitDiagnosis();
    DiscardManager();
}
