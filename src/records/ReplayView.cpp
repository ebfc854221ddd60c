#include "ReplayView.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>

#include "DSRecord.h"
#include "MainFrame.h"
#include "RdsView.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr int kLiveDataView = 161;
constexpr uint32_t kPauseCaptionText = 0x10000917;
constexpr uint32_t kPlayCaptionText = 0x10000918;
constexpr uint32_t kPositionTitleText = 132;

CRdsView* LiveDataScreen()
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? dynamic_cast<CRdsView*>(frame->View(kLiveDataView)) : nullptr;
}

// The replay's table is its own, not a page the diagnostic program sends: it shows every recorded
// item, whatever the live-data screen behind it pages or limits.
class CReplayHost : public IMultiCtrlHost {
public:
    bool IsLiveDataActive() const override { return false; }
    int ActiveViewId() const override { return ProgramMultiCtrlHost().ActiveViewId(); }
    int LiveDataRowLimit() const override { return CMultiCtrl::kMaxRows; }
    int LiveDataDisplayMode() const override { return 0; }
    const std::vector<std::wstring>* LiveDataRowNames() const override { return nullptr; }
    void SetWaveKey(bool, const std::wstring&) override {}  // every row shows its curve
};

}  // namespace

CReplayView::CReplayView() : CFormViewEx(kViewId), m_pHost(std::make_unique<CReplayHost>()), m_engine(*m_pHost) {}

CReplayView::~CReplayView() = default;

// Filling.

void CReplayView::LoadRecording(const CDSRecord& recording)
{
    StopTimer();
    m_items = std::min(recording.GetItemCount(), CMultiCtrl::kMaxRows);
    m_samples.assign(static_cast<size_t>(m_items) * kMaxStoredRows * kSlotChars, L'\0');
    m_storedRows = 0;
    m_paused = false;
    m_pageBases.clear();

    const CRdsView* screen = LiveDataScreen();
    const RECT area = screen ? screen->ClientRect() : ClientRect();
    m_engine.Attach(area, Handle());
    m_engine.Reset();
    const CMultiCtrl* live = screen ? screen->Engine() : nullptr;
    const int columns = live ? live->GetColumnCount() : 0;
    m_engine.SetColumns(std::max(columns, 3), 0);
    m_engine.SetRowHeight(std::max(CMultiCtrl::BaseRowHeight(), 23), 0);
    for (int column = 0; column < columns; ++column) {
        m_engine.SetColumnWidths(column, live->GetColumnWidth(column), 0);
        const wchar_t* title = live->GetColumnTitle(column);
        m_engine.SetHeaderText(column, title ? title : L"", 0);
    }
    m_engine.SetStyle(0, 0);
    m_engine.SetMode(0, 0);
    m_engine.Clear();
    m_engine.SetRowCount(m_items);
    for (int item = 0; item < m_items; ++item) {
        m_engine.SetCellText(item, 0, recording.GetItemName(item), -1);
        m_engine.SetCellText(item, 2, recording.GetItemUnit(item), -1);
    }
}

void CReplayView::StoreSample(int item, const wchar_t* text)
{
    if (m_storedRows >= kMaxStoredRows || item < 0 || item >= m_items || !text)
        return;
    wchar_t* slot = m_samples.data() + (static_cast<size_t>(item) * kMaxStoredRows + m_storedRows) * kSlotChars;
    const size_t length = std::min<size_t>(std::wcslen(text), kSlotChars - 1);
    std::copy_n(text, length, slot);
    slot[length] = L'\0';
}

void CReplayView::NextRow()
{
    if (m_storedRows < kMaxStoredRows)
        ++m_storedRows;
}

void CReplayView::FreeSamples()
{
    std::vector<wchar_t>().swap(m_samples);
    m_storedRows = 0;
    m_position = 0;
}

const wchar_t* CReplayView::Slot(int item, int row) const
{
    const size_t index = (static_cast<size_t>(item) * kMaxStoredRows + static_cast<size_t>(row)) * kSlotChars;
    return index < m_samples.size() ? m_samples.data() + index : L"";
}

// Playing.

void CReplayView::StartReplay()
{
    m_position = 0;
    if (m_storedRows == 0)
        return;
    // Nothing else enables Print on this screen: a replay that plays can be printed.
    SetButtonState(3005, true);
    UpdatePageKeys();
    Invalidate();
    m_paused = false;
    SetPauseCaption(false);
    SetTimer(Handle(), kReplayTimer, kReplayPeriodMs, nullptr);
    m_timerArmed = true;
}

void CReplayView::StopTimer()
{
    if (m_timerArmed && Handle())
        KillTimer(Handle(), kReplayTimer);
    m_timerArmed = false;
    m_position = 0;
}

void CReplayView::TogglePause()
{
    m_paused = !m_paused;
    SetPauseCaption(m_paused);
}

void CReplayView::SetPauseCaption(bool paused)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->ButtonBar().SetButtonText(kPauseKey, paused ? ResGetStringOr(kPlayCaptionText, L"Play")
                                                           : ResGetStringOr(kPauseCaptionText, L"Pause"));
}

bool CReplayView::OnTimer(UINT_PTR id)
{
    if (id != kReplayTimer)
        return false;
    // The live-data screen frees the values when the diagnostic program leaves its list.
    if (m_paused || m_storedRows == 0 || m_samples.empty())
        return true;
    ShowPosition();
    ShowRowValues();
    UpdatePageKeys();
    m_engine.DrawGraph(1, -1);
    if (m_position < m_storedRows - 1) {
        ++m_position;
    } else {
        m_position = 0;
        m_paused = true;
        SetPauseCaption(true);
    }
    return true;
}

void CReplayView::ShowPosition()
{
    const std::wstring title = ResGetString(kPositionTitleText);
    wchar_t text[300] = {};
    std::swprintf(text, std::size(text), L"%ls %d/%d  %d%%", title.c_str(), m_position + 1, m_storedRows,
                  (m_position + 1) * 100 / m_storedRows);
    SetText(text);
    // The printed report names the row it was printed at.
    m_printer.SetTitle(text);
}

void CReplayView::ShowRowValues()
{
    const int rows = std::min(m_engine.GetRowCount(), CMultiCtrl::kMaxRows);
    CMultiCtrl::SetGraphRowCount(rows);
    const int band = 3 * std::max(CMultiCtrl::BaseRowHeight(), 23);
    for (int row = 0; row < rows && row < m_items; ++row) {
        const wchar_t* value = Slot(row, m_position);
        m_engine.SetCellText(row, 1, value, -1);
        GRAPH_RECORD* record = m_engine.GraphRecord(row);
        if (!record)
            continue;
        if (!record->graphShown) {
            record->graphShown = 1;
            record->textHeight = static_cast<short>(band + record->drawnHeight);
        }
        const NarrowBuffer utf8 = WideToUtf8(value);
        m_engine.AppendSample(row, utf8 ? utf8.get() : "");
    }
}

void CReplayView::UpdatePageKeys()
{
    SetButtonState(3002, !m_pageBases.empty());
    SetButtonState(3003, m_engine.GetPageBase() + m_engine.CountGraphRowsOnPage(m_engine.GetPageBase()) <
                             CMultiCtrl::GraphRowCount());
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

bool CReplayView::OnPaint()
{
    PAINTSTRUCT paint;
    BeginPaint(Handle(), &paint);
    EndPaint(Handle(), &paint);
    m_engine.DrawGraph(1, -1);
    return true;
}

// Commands.

void CReplayView::OnShowView()
{
    CFormViewEx::OnShowView();
    for (int id : {3003, 3002, 3005, 3004})
        SetButtonState(id, false);
    if (CMainFrame* frame = CMainFrame::Instance()) {
        frame->ButtonBar().AddButton(kPauseKey);
        frame->ButtonBar().SetButtonText(kPauseKey, ResGetStringOr(kPauseCaptionText, L"Pause"));
        frame->BottomBar().UpdateCommandStates();
    }
    m_pageBases.clear();
    m_engine.SetPageBase(0);
}

void CReplayView::ClearLiveDataGraphs()
{
    m_engine.ClearSamples();
    if (CRdsView* screen = LiveDataScreen()) {
        if (CMultiCtrl* live = screen->Engine())
            live->ClearSamples();
        screen->ForceRebuild();
    }
}

void CReplayView::OnBack()
{
    CFormViewEx::OnBack();
    StopTimer();
    ClearLiveDataGraphs();
    FreeSamples();
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    // The live-data screen comes back as it was, without its show: only its keys are set again.
    frame->SwitchView(kLiveDataView, 0);
    frame->ButtonBar().RemoveAllButtons();
    if (CRdsView* screen = LiveDataScreen())
        screen->SetupButtons();
}

void CReplayView::OnExitDiagnosis()
{
    StopTimer();
    ClearLiveDataGraphs();
    CFormViewEx::OnExitDiagnosis();
}

void CReplayView::OnPageUp()
{
    if (m_pageBases.empty())
        return;
    m_engine.SetPageBase(m_pageBases.back());
    m_pageBases.pop_back();
    m_engine.PageUp(0);
    m_engine.DrawGraph(1, -1);
    UpdatePageKeys();
}

void CReplayView::OnPageDown()
{
    const int base = m_engine.GetPageBase();
    const int next = base + m_engine.CountGraphRowsOnPage(base);
    if (next <= base || next >= CMultiCtrl::GraphRowCount())
        return;
    m_pageBases.push_back(base);
    m_engine.SetPageBase(next);
    m_engine.PageDown(0);
    m_engine.DrawGraph(1, -1);
    UpdatePageKeys();
}

void CReplayView::OnPrint()
{
    if (!TakePrintLock())
        return;
    m_printer.SetTable(&m_engine);
    PrintReport(m_printer);
    GivePrintLockBack();
}
