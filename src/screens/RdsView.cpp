#include "RdsView.h"

#include <algorithm>

#include "MainFrame.h"
#include "ProcessValues.h"
#include "RdsItemNames.h"
#include "RecorderInfoView.h"
#include "ReplayView.h"
#include "SoftButtonCaptions.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "UnitConversion.h"

namespace {

constexpr int kRowsPerPage = 20;
constexpr UINT_PTR kRecordTimer = CRdsView::kRecordTimer;
constexpr int kRecordKey = 3021;
constexpr int kWaveKey = 3010;
constexpr int kChannelKey = 3008;
constexpr int kPlayKey = 3009;
constexpr int kRecordingListView = 249;
constexpr uint32_t kDataStreamText = 0x10000240;
constexpr uint32_t kUnitHeaderText = 0x10000247;
constexpr size_t kDatabaseNameChars = 511;
constexpr uint8_t kMailboxPageDown = 1;
constexpr uint8_t kMailboxPageUp = 2;

std::wstring Wide(const std::string& text)
{
    const WideBuffer wide = Utf8ToWide(text.c_str());
    return wide ? wide.get() : L"";
}

std::wstring FromThreadAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    if (wide.size() > kDatabaseNameChars)
        wide.resize(kDatabaseNameChars);
    return wide;
}

}  // namespace

// Shown.

void CRdsView::OnShowView()
{
    // A recording left running when another screen came in front is filed, not dropped.
    if (IsRecording())
        StopRecording();
    CDiagView::OnShowView();
    SetupButtons();
    ResetScreen();
}

void CRdsView::SetupButtons()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (frame) {
        CButtonBar& row = frame->ButtonBar();
        for (int id : {kChannelKey, kWaveKey, kPlayKey, kRecordKey})
            row.AddButton(id);
        row.SetButtonText(kRecordKey, ResGetStringOr(0x10000914, L"Record"));
    }
    SetKeyEnabled(kChannelKey, false);
    SetButtonState(3004, false);
    UpdateNavButtons();
    SetButtonState(3005, true);  // the base's refresh turns Print off; this screen prints
}

void CRdsView::ResetScreen()
{
    m_pageBase = 0;
    m_stackFirst[0] = 0;
    m_stackRows[0] = 0;
    m_groupEnd = false;
    m_pagingInProgress = false;
    m_stackDepth = 0;
    ForgetItems();
    m_unnamedIds.clear();
    if (!m_pMultiCtrl)
        return;
    CMultiCtrl& engine = *m_pMultiCtrl;
    engine.Reset();
    const RECT client = ClientRect();
    engine.Attach(client, Handle());
    engine.SetColumns(3, 0);
    engine.SetRowHeight(std::max(CMultiCtrl::BaseRowHeight(), 23), 0);
    const int width = client.right - client.left;
    engine.SetColumnWidths(0, width / 2, 0);
    engine.SetColumnWidths(1, width * 3 / 10, 0);
    engine.SetColumnWidths(2, width * 2 / 10, 0);
    engine.SetHeaderText(0, ResGetString(0x10000245).c_str(), 0);
    engine.SetHeaderText(1, ResGetString(0x10000246).c_str(), 0);
    engine.SetHeaderText(2, ResGetString(kUnitHeaderText).c_str(), 0);
    engine.SetStyle(0, 0);
    engine.SetMode(0, 0);
}

// A request: drawn, then answered at once.

void CRdsView::ShowRequest()
{
    ParseRequest(false);
    ShowTitleOnBar();
    SendAnswer();
    m_nKey = rds::kKeyRefresh;
}

void CRdsView::ShowTitleOnBar()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_title);
}

void CRdsView::ParseRequest(bool redrawTitle)
{
    // A key that leaves or turns the page: the diagnostic program's next list is what counts.
    if (m_nKey == rds::kKeyLeave || m_nKey == rds::kKeyNextPage || m_nKey == rds::kKeyPreviousPage)
        return;
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl)
        return;
    const RDS_REQUEST request = ParseRdsRequest(*block);
    m_sampleRow.clear();
    m_pagingMode = request.pagingMode;
    m_mode = request.mode;
    m_idLayout = request.idLayout;
    m_itemCount = request.itemCount;
    if (request.itemCount == 0) {
        Invalidate();
        OnBack();  // the answer to this very request leaves the list
    }
    ApplyPageState(request);
    ApplyTitle(request, redrawTitle);

    if (request.textForm) {
        m_rebuildForced = false;
        RebuildFromTexts(request);
    } else if (!m_rebuildForced && IsSameRdsList(request, m_ids, m_seconds)) {
        UpdateValues(request);
        if (m_groupEnd) {
            m_groupEnd = false;  // the group is left: its last values need no drawing
            return;
        }
    } else {
        m_rebuildForced = false;
        RebuildFromDatabase(request);
    }
    FinishDrawing();
}

void CRdsView::ApplyPageState(const RDS_REQUEST& request)
{
    const uint16_t count = request.itemCount;
    if (m_stackDepth == 0)
        m_stackRows[0] = std::min<uint16_t>(count, kRowsPerPage);
    if (request.pagingMode == rds::kPagedByProgram) {
        m_total = request.total;
        m_pageBase = request.pageBase;
        m_pMultiCtrl->SetPageBase(m_pageBase);
    } else if (m_stackDepth == 0) {
        m_stackRows[0] = kRowsPerPage;
    }
    m_total = std::max(m_total, count);
    PrepareGraphRows();
}

void CRdsView::PrepareGraphRows()
{
    const int rows = std::min<int>(m_total, rds::kMaxItems);
    if (CMultiCtrl::GraphRowCount() != 0 && CMultiCtrl::GraphRowCount() == rows)
        return;
    const RECT client = ClientRect();
    CMultiCtrl::SetBaseRowHeight(m_total <= kRowsPerPage ? 1 : (client.bottom - client.top - 38) / kRowsPerPage);
    CMultiCtrl::SetGraphRowCount(rows);
    m_pMultiCtrl->Reset();
    // The reset starts the graph rows at 0; a page the diagnostic program sent keeps its place.
    if (PagedByProgram())
        m_pMultiCtrl->SetPageBase(m_pageBase);
}

void CRdsView::ApplyTitle(const RDS_REQUEST& request, bool redrawTitle)
{
    m_databaseName = FromThreadAnsi(request.databaseName);
    const std::wstring title = Wide(request.title);
    if (!title.empty()) {
        if (title == m_title && GetText() == title)
            return;  // every polling turn names it again
        m_title = title;
        SetText(m_title);
        if (CMainFrame* frame = CMainFrame::Instance(); frame && redrawTitle)
            frame->TopGuide().Invalidate(false);
        return;
    }
    m_title = ResGetStringOr(kDataStreamText, L"Data stream");
    if (redrawTitle)
        SetText(m_title);
}

// The recording keeps what the screen shows: the value in the chosen units, under the unit name
// shown beside it, so that a replay never puts metric numbers under British names.
void CRdsView::NoteSample(size_t graphRow, const std::string& value, const std::wstring& shown, bool updateAvailability)
{
    GRAPH_RECORD* record = m_pMultiCtrl->GraphRecord(static_cast<int>(graphRow));
    if (!record)
        return;
    if (record->graphShown) {
        m_pMultiCtrl->AppendSample(static_cast<int>(graphRow), value.c_str());
        record->liveData2 = static_cast<int>(GetTickCount() - static_cast<DWORD>(record->liveData1));
    }
    if (updateAvailability)
        record->graphUnavailable = CMultiCtrl::ParseSampleValue(value.c_str()) == -1 ? 1 : 0;
    if (IsRecording())
        m_sampleRow.push_back(shown);
}

void CRdsView::UpdateValues(const RDS_REQUEST& request)
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    const std::wstring unitHeader = ResGetString(kUnitHeaderText);
    for (size_t i = 0; i < request.items.size(); ++i) {
        const int row = static_cast<int>(i);
        const std::string& value = request.items[i].value;
        const std::wstring unit = i < m_units.size() ? m_units[i] : L"";
        const std::wstring shown = ConvertValueByUnit(unit, Wide(value));
        engine.SetCellText(row, 1, shown.c_str(), -1);
        NoteSample(RdsAbsoluteItem(request, i), value, shown, true);
        if (!unitHeader.empty())
            engine.SetHeaderText(2, unitHeader.c_str(), -1);
        if (m_groupEnd)
            return;
    }
    if (IsRecording() && !HandSampleRow())
        StopRecording();  // full: filed as by the Stop key
}

void CRdsView::ResizeEngine(int rows)
{
    if (m_pMultiCtrl->GetRowCount() == rows)
        return;
    m_pMultiCtrl->Clear();
    m_pMultiCtrl->SetRowCount(rows);
}

void CRdsView::RebuildFromDatabase(const RDS_REQUEST& request)
{
    ForgetItems();
    m_groupEnd = false;  // a new list is the next group already
    std::vector<RDS_ID> ids;
    for (const RDS_ITEM& item : request.items)
        ids.push_back(item.id);
    // A database whose header is refused says so in a box: once per list, not at every refresh.
    if (!m_unnamedIds.empty() && ids == m_unnamedIds)
        return;
    const bool packed = IsPackedRdsDatabase(m_databaseName);
    CDbFile texts;
    if (!texts.Open(packed ? m_databaseName : ResGetLanguageCode() + L"_DS.DB")) {
        m_unnamedIds = ids;
        return;  // the table keeps what it showed
    }
    m_unnamedIds.clear();
    CDbFile base;
    base.Open(ResGetLanguageCode() + L"_DS_BASE.DB");  // opened as always; nothing is read from it
    ResizeEngine(static_cast<int>(request.items.size()));
    CMultiCtrl& engine = *m_pMultiCtrl;
    for (size_t i = 0; i < request.items.size(); ++i) {
        const RDS_ITEM& item = request.items[i];
        m_ids.push_back(item.id);
        if (request.idLayout == 1)
            m_seconds.push_back(item.second);
        const RDS_ITEM_NAMES names = NameRdsItem(texts, item, request.idLayout, packed);
        const std::wstring name = Wide(names.name);
        const std::wstring unit = Wide(names.unit);
        m_names.push_back(name);
        m_units.push_back(unit);
        const int row = static_cast<int>(i);
        // The value goes into the unit shown beside it from the first drawing on: a new list (and
        // every page turned here) would otherwise show one refresh of metric figures under British
        // names.
        const std::wstring shown = ConvertValueByUnit(unit, Wide(item.value));
        engine.SetCellText(row, 0, name.c_str(), -1);
        engine.SetCellText(row, 1, shown.c_str(), -1);
        NoteSample(RdsAbsoluteItem(request, i), item.value, shown, false);
        engine.SetCellText(row, 2, ConvertUnitName(unit).c_str(), -1);
    }
    m_stackRows[static_cast<size_t>(m_stackDepth)] = std::min<uint16_t>(request.itemCount, kRowsPerPage);
    if (IsRecording())
        HandSampleRow();  // a row the new list cannot give is dropped; the recording goes on
}

void CRdsView::RebuildFromTexts(const RDS_REQUEST& request)
{
    ForgetItems();  // an id list that follows is new, whatever ids came before
    m_groupEnd = false;
    CMultiCtrl& engine = *m_pMultiCtrl;
    engine.Clear();
    engine.SetRowCount(static_cast<int>(request.items.size()));
    for (size_t i = 0; i < request.items.size(); ++i) {
        const RDS_ITEM& item = request.items[i];
        const int row = static_cast<int>(i);
        const std::wstring name = Wide(item.name);
        const std::wstring value = Wide(item.value);
        const std::wstring unit = Wide(item.unit);
        if (!name.empty())
            engine.SetCellText(row, 0, name.c_str(), -1);
        if (!value.empty())
            engine.SetCellText(row, 1, value.c_str(), -1);
        if (!unit.empty())
            engine.SetCellText(row, 2, unit.c_str(), -1);
        const bool converted = !unit.empty() || i + 1 == request.items.size();
        const std::wstring shown = converted ? ConvertValueByUnit(unit, value) : value;
        NoteSample(RdsAbsoluteItem(request, i), item.value, shown, true);
        if (converted) {
            engine.SetCellText(row, 1, shown.c_str(), -1);
            engine.SetCellText(row, 2, ConvertUnitName(unit).c_str(), -1);
        }
    }
    if (IsRecording() && !HandSampleRow())
        StopRecording();
}

void CRdsView::FinishDrawing()
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    if (m_nKey == rds::kKeyPreviousGroup || m_nKey == rds::kKeyNextGroup)
        engine.ShowRow(0, 1);
    engine.SetRecount(true);
    engine.DrawGraph(1, -1);
    const CMainFrame* frame = CMainFrame::Instance();
    if (frame && frame->CurrentViewId() == kViewId && !IsRecording() && !m_pagingInProgress)
        UpdatePageKeys();
    m_pagingInProgress = false;
}

void CRdsView::UpdatePageKeys()
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    if (m_mode == rds::kGroupMode) {
        SetKeyEnabled(3002, true);
        SetKeyEnabled(3003, true);
        SetKeyEnabled(kChannelKey, true);
    } else if (!PagedByProgram()) {
        SetKeyEnabled(3002, !engine.IsFirstPage());
        SetKeyEnabled(3003, !engine.IsLastPage());
    } else {
        SetKeyEnabled(3002, m_pageBase != 0);
        SetKeyEnabled(3003, m_pageBase + m_itemCount < std::min<int>(m_total, rds::kMaxItems));
    }
}

void CRdsView::SetKeyEnabled(int commandId, bool enabled)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (commandId == kChannelKey || commandId == kWaveKey || commandId == kPlayKey || commandId == kRecordKey) {
        if (CBmpBtn* key = frame ? frame->ButtonBar().GetButton(commandId) : nullptr)
            key->Enable(enabled);
        return;
    }
    SetButtonState(commandId, enabled);
    if (frame)
        frame->BottomBar().UpdateCommandStates();
}

int CRdsView::PageRowLimit() const
{
    if (!m_pMultiCtrl)
        return 0;
    const int rows = m_pMultiCtrl->GetRowCount();
    return PagedByProgram() ? rows : std::max(0, rows - m_pMultiCtrl->GetPageBase());
}

// The answer.

RDS_ANSWER CRdsView::MakeAnswer()
{
    RDS_ANSWER answer;
    answer.key = static_cast<uint8_t>(m_nKey);
    answer.paged = PagedByProgram();
    if (!answer.paged)
        return answer;
    const int pageRows = m_pMultiCtrl ? m_pMultiCtrl->GetLiveDataPageRows() : 0;
    if (m_nKey == rds::kKeyNextPage) {
        m_pageBase = static_cast<uint16_t>(m_pageBase + pageRows);
        answer.rows = kRowsPerPage;
    } else if (m_nKey == rds::kKeyPreviousPage) {
        m_pageBase = m_stackFirst[static_cast<size_t>(m_stackDepth)];
        answer.rows = static_cast<uint8_t>(m_stackRows[static_cast<size_t>(m_stackDepth)]);
    } else {
        answer.rows = static_cast<uint8_t>(pageRows);
    }
    answer.pageBase = m_pageBase;
    return answer;
}

void CRdsView::SendAnswer()
{
    const auto block = AnswerBlock();
    if (!block)
        return;
    WriteRdsAnswer(*block, MakeAnswer());
    const bool left = m_nKey == rds::kKeyLeave;
    HandTurnBack();
    if (left)
        AfterLeave();
}

void CRdsView::AfterLeave()
{
    // The list the replay was opened from is over: its values go with it.
    if (CMainFrame* frame = CMainFrame::Instance()) {
        if (auto* replay = dynamic_cast<CReplayView*>(frame->View(CReplayView::kViewId)))
            replay->FreeSamples();
    }
    ForgetItems();
    if (m_pMultiCtrl)
        m_pMultiCtrl->Clear();
    m_stackRows[0] = 0;
    m_total = 0;
}

void CRdsView::ForgetItems()
{
    m_ids.clear();
    m_seconds.clear();
    m_names.clear();
    m_units.clear();
}

void CRdsView::ClearGraphRows()
{
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->ForgetCurrentGraphRow();
    m_pMultiCtrl->ClearSamples();
}

// Keys.

void CRdsView::OnBack()
{
    // Back is disabled while recording, but an empty list leaves too: what was recorded is filed.
    if (IsRecording())
        StopRecording();
    CFormViewEx::OnBack();
    m_nKey = rds::kKeyLeave;
    m_stackDepth = 0;
    ClearGraphRows();
    KillTimer(Handle(), kRecordTimer);
}

void CRdsView::OnChannel()
{
    m_nKey = rds::kKeyChannel;
    ClearGraphRows();
    if (m_pMultiCtrl)
        m_pMultiCtrl->SelectRow(0x8000, -1);
}

void CRdsView::StartPaging()
{
    SetKeyEnabled(3002, false);
    SetKeyEnabled(3003, false);
    m_pagingInProgress = true;
    m_ids.clear();  // the next request builds its page anew
}

void CRdsView::EndGroup(int key)
{
    m_nKey = key;
    if (m_pMultiCtrl)
        m_pMultiCtrl->SelectRow(0x8000, -1);
    ClearGraphRows();
    m_groupEnd = true;
}

void CRdsView::OnPageDown()
{
    if (!m_pMultiCtrl)
        return;
    StartPaging();
    CMultiCtrl& engine = *m_pMultiCtrl;
    const size_t depth = static_cast<size_t>(m_stackDepth);
    const bool room = depth + 1 < rds::kMaxItems;
    if (m_mode == rds::kGroupMode && engine.IsLastPage()) {
        EndGroup(rds::kKeyNextGroup);
    } else if (m_mode == rds::kGroupMode) {
        const int next = m_stackFirst[depth] + engine.CountGraphRowsOnPage(engine.GetPageBase());
        m_stackRows[depth] = m_itemCount;
        if (room) {
            m_stackFirst[depth + 1] = static_cast<uint16_t>(next);
            ++m_stackDepth;
        }
        engine.SetPageBase(next);
        engine.PageDown(1);
    } else {
        // Paged here, the next page starts after the rows this one showed: rows taller than the
        // base height leave fewer than 20 on a page, and a step of 20 would pass over the rest.
        if (!PagedByProgram())
            m_stackRows[depth] = static_cast<uint16_t>(std::max(engine.CountGraphRowsOnPage(engine.GetPageBase()), 1));
        const int next = m_stackFirst[depth] + m_stackRows[depth];
        if (room) {
            m_stackFirst[depth + 1] = static_cast<uint16_t>(next);
            m_stackRows[depth + 1] = kRowsPerPage;
            ++m_stackDepth;
        }
        engine.SetPageBase(next);
        if (PagedByProgram())
            m_nKey = rds::kKeyNextPage;
        else
            engine.PageDown(1);
    }
    if (const auto block = RequestBlock())
        PostKey(*block, kMailboxPageDown);
}

void CRdsView::OnPageUp()
{
    if (!m_pMultiCtrl)
        return;
    StartPaging();
    CMultiCtrl& engine = *m_pMultiCtrl;
    if (m_mode == rds::kGroupMode && engine.IsFirstPage()) {
        EndGroup(rds::kKeyPreviousGroup);
    } else {
        m_stackDepth = std::max(0, m_stackDepth - 1);
        engine.SetPageBase(m_stackFirst[static_cast<size_t>(m_stackDepth)]);
        if (m_mode != rds::kGroupMode && PagedByProgram())
            m_nKey = rds::kKeyPreviousPage;
        else
            engine.PageUp(1);
    }
    if (const auto block = RequestBlock())
        PostKey(*block, kMailboxPageUp);
}

void CRdsView::OnPrint()
{
    PrintTable(L"Live Data");
}

void CRdsView::OnPlay()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    if (auto* list = dynamic_cast<CRecorderInfoView*>(frame->View(kRecordingListView)))
        list->SetReturnView(kViewId);
    frame->SwitchView(kRecordingListView, 1);
}

void CRdsView::OnExitDiagnosis()
{
    if (IsRecording())
        StopRecording();  // Home ends the diagnosis, not what was recorded
    if (m_pMultiCtrl)
        m_pMultiCtrl->ClearSamples();
    ForgetItems();
    if (uint8_t* block = ExchangeBufferPointer()) {
        for (size_t i = 0; i < exchange::kMailboxOffset && block[i] != 0; ++i)
            block[i] = 0;
    }
    if (m_pMultiCtrl)
        m_pMultiCtrl->Init();
    KillTimer(Handle(), kRecordTimer);
    CDiagView::OnExitDiagnosis();
}

// The graph of a row.

void CRdsView::SetWaveCaption()
{
    CMainFrame* frame = CMainFrame::Instance();
    GRAPH_RECORD* record = m_pMultiCtrl ? m_pMultiCtrl->GraphRecord(m_pMultiCtrl->CurrentGraphRow()) : nullptr;
    if (!frame || !record)
        return;
    frame->ButtonBar().SetButtonText(kWaveKey, record->graphShown ? ResGetString(kDataStreamText)
                                                                  : SoftButtonCaption(kWaveKey));
}

void CRdsView::OnWave()
{
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->SetGraphForm(true);
    GRAPH_RECORD* record = m_pMultiCtrl->GraphRecord(m_pMultiCtrl->CurrentGraphRow());
    if (!record)
        return;
    const int band = 3 * std::max(CMultiCtrl::BaseRowHeight(), 23);
    if (record->graphShown) {
        record->textHeight = static_cast<short>(record->textHeight - band);
        record->liveData1 = 0;
        record->liveData2 = 0;
    } else {
        record->textHeight = static_cast<short>(band + record->drawnHeight);
        record->liveData1 = static_cast<int>(GetTickCount());
    }
    record->graphShown = !record->graphShown;
    SetWaveCaption();
}

bool CRdsView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (m_pMultiCtrl) {
        m_pMultiCtrl->HitTest(point.x, point.y, row, 1);
        SetWaveCaption();
    }
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

bool CRdsView::HandlesCommand(int commandId) const
{
    return commandId == kRecordKey || CDiagView::HandlesCommand(commandId);
}

bool CRdsView::OnCommand(int id, int code, HWND control)
{
    if (id == kRecordKey && (code == 0 || code == 1)) {
        OnRecord();
        return true;
    }
    return CDiagView::OnCommand(id, code, control);
}
