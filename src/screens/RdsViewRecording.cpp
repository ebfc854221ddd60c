// The live-data screen's recording: the values of at most four items, request by request, for at
// most two minutes, filed in "Playback\" with an entry in the recording index.
#include "RdsView.h"

#include "DSRecorderInfoMgr.h"
#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "ProcessValues.h"
#include "RepairInfoView.h"
#include "StringResources.h"

namespace {

constexpr int kRecordKey = 3021;
constexpr uint32_t kRecordCaption = 0x10000914;
constexpr uint32_t kStopCaption = 0x10000913;
constexpr uint32_t kTooManyItems = 0x10000915;

void SetRecordCaption(uint32_t id, const wchar_t* english)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->ButtonBar().SetButtonText(kRecordKey, ResGetStringOr(id, english));
}

std::tm LocalTime(std::time_t time)
{
    std::tm local = {};
    localtime_s(&local, &time);
    return local;
}

}  // namespace

void CRdsView::OnRecord()
{
    if (IsRecording())
        StopRecording();
    else
        StartRecording();
}

bool CRdsView::OnTimer(UINT_PTR id)
{
    if (id != kRecordTimer)
        return false;
    KillTimer(Handle(), kRecordTimer);
    // A timer left from a recording already filed must not start a new one.
    if (IsRecording())
        StopRecording();
    return true;
}

void CRdsView::StartRecording()
{
    if (!m_pMultiCtrl)
        return;
    const int rows = m_pMultiCtrl->GetRowCount();
    if (rows > kMaxRecordedItems) {
        PopMsgDlg box(nullptr);
        box.SetMessage(ResGetStringOr(kTooManyItems, L"Too many items to record, Please go back to list page and select no "
                                             L"more than 4 items you want."));
        if (box.DoModal() == IDOK)
            OnBack();
        return;
    }
    m_recordingStart = std::time(nullptr);
    SetTimer(Handle(), kRecordTimer, kRecordingMs, nullptr);
    SetRecordingKeys(true);
    m_pRecording = std::make_unique<CDSRecord>();
    for (int row = 0; row < rows; ++row) {
        const wchar_t* name = m_pMultiCtrl->GetCellText(row, 0);
        const wchar_t* unit = m_pMultiCtrl->GetCellText(row, 2);
        m_pRecording->AddItem(name ? name : L"", unit ? unit : L"");
    }
    SetRecordCaption(kStopCaption, L"Stop");
}

void CRdsView::StopRecording()
{
    SetRecordingKeys(false);
    SaveRecording();
    m_pRecording.reset();
    SetRecordCaption(kRecordCaption, L"Record");
    KillTimer(Handle(), kRecordTimer);
}

void CRdsView::SetRecordingKeys(bool recording)
{
    for (int id : {3005, 3002, 3003})
        SetButtonState(id, !recording);
    if (!recording && m_pMultiCtrl) {
        SetButtonState(3002, !m_pMultiCtrl->IsFirstPage());
        SetButtonState(3003, !m_pMultiCtrl->IsLastPage());
    }
    if (recording)
        SetKeyEnabled(3008, false);  // the channel key stays off after a recording too
    for (int id : {3009, 3010, 3001})
        SetKeyEnabled(id, !recording);
}

bool CRdsView::HandSampleRow()
{
    const bool taken = m_pRecording && m_pRecording->AddSampleRow(m_sampleRow) != 0;
    m_sampleRow.clear();
    return taken;
}

void CRdsView::SaveRecording()
{
    if (!m_pRecording)
        return;
    const CMainFrame* frame = CMainFrame::Instance();
    const std::wstring menuPath = frame ? frame->RepairInfoView().GetNodePath() : L"";
    const _stuDSRecorderInfo record =
        MakeRecordInfo(ResGetLanguageCode(), ResGetMakerName(), menuPath, LocalTime(m_recordingStart));
    // The recording file goes first and the index entry after it, so the index never names a
    // recording that is not there.
    CDSRecorderInfoMgr index;
    if (!index.StoreRecording(record, *m_pRecording))
        ReportRecordingNotSaved();
}

void CRdsView::ReportRecordingNotSaved()
{
    // The technician believes the run is on disk until told otherwise (a full disk, a read-only
    // program folder): say so while the car is still connected and the run can be repeated.
    PopMsgDlg box(nullptr);
    box.SetMessage(L"The recording could not be saved in \"Playback\\\".\r\n"
                   L"Check that the disk has room and that the program folder can be written.");
    box.DoModal();
}
