#include "ActiveTestView.h"

#include <algorithm>

#include "DbFile.h"
#include "ExchangeFrames.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "RdsItemNames.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr uint32_t kDefaultTitle = 0x10000270;
constexpr uint32_t kNameHeader = 0x10000245;
constexpr uint32_t kValueHeader = 0x10000246;
constexpr uint32_t kUnitHeader = 0x10000247;
constexpr size_t kUnitBytes = 19;
constexpr const wchar_t* kUnknown = L"????";

// The soft-button row's count the buttons were last made for: a request with the same count keeps
// them and only updates captions and states.
int g_lastButtonCount = -1;

std::wstring Wide(const std::string& text)
{
    const WideBuffer wide = Utf8ToWide(text.c_str());
    return wide ? wide.get() : L"";
}

}  // namespace

// Shown.

void CActiveTestView::OnShowView()
{
    CDiagView::OnShowView();
    m_keyMode = true;
    m_firstShow = true;
    g_lastButtonCount = -1;
    m_nKey = active_test::kKeyNone;
    const auto block = RequestBlock();
    const uint8_t option = block ? (*block)[exchange::kOptionOffset] : 0;
    if (HWND edit = EditControl())
        ShowWindow(edit, (option & 0x0F) == 1 && option != active_test::kIdAnswerMode ? SW_SHOW : SW_HIDE);
    if (!m_pMultiCtrl)
        return;
    CMultiCtrl& engine = *m_pMultiCtrl;
    engine.Attach(ClientRect(), Handle());
    engine.SetColumns(3, 0);
    engine.SetHeaderText(0, ResGetStringOr(kNameHeader, L"Name").c_str(), 0);
    engine.SetHeaderText(1, ResGetStringOr(kValueHeader, L"Value").c_str(), 0);
    engine.SetHeaderText(2, ResGetStringOr(kUnitHeader, L"Unit").c_str(), 0);
    engine.SetStyle(0, 0);
    engine.SetMode(1, 0);
    engine.SetMaxSelection(1);
    engine.Redraw(1);
}

HWND CActiveTestView::EditControl() const
{
    return GetDlgItem(Handle(), kEditId);
}

// A request.

void CActiveTestView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl) {
        HandTurnBack();
        return;
    }
    // A polled list keeps the page the user turned to: the rows are rebuilt at every request.
    const int firstRow = m_pMultiCtrl->GetPageFirstRow();
    const int rowCount = m_pMultiCtrl->GetRowCount();
    ClearRowLists();
    const ACTIVE_TEST_REQUEST request = ParseActiveTestRequest(*block);
    BuildItems(request);
    if (firstRow > 0 && firstRow < rowCount && m_pMultiCtrl->GetRowCount() == rowCount) {
        m_pMultiCtrl->ShowRow(firstRow, 1);
        UpdatePageKeys();
    }
    ShowTitleOnBar();
    LayOutView();
    m_firstShow = false;
    if (m_keyMode)
        SendAnswer();
}

void CActiveTestView::ClearRowLists()
{
    m_ids.clear();
    m_seconds.clear();
    m_names.clear();
    m_units.clear();
}

void CActiveTestView::BuildItems(const ACTIVE_TEST_REQUEST& request)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(L"");
    m_option = request.option;
    // The mode follows every request: a request answered at once after one that waited must not
    // leave the diagnostic program waiting for the user.
    m_keyMode = !request.answerMode;
    m_pMultiCtrl->SetMode(m_keyMode ? 1 : 0, 0);
    const std::wstring title = request.title.empty() ? ResGetStringOr(kDefaultTitle, L"Function test") : Wide(request.title);
    if (GetText() != title)
        SetText(title);
    m_title = title;
    if (request.textForm)
        m_pMultiCtrl->SetColumns(3, 0);
    const bool ownLayout = ApplyColumnLayout(request);
    if (request.textForm)
        BuildTextRows(request, ownLayout);
    else
        BuildIdRows(request, ownLayout);
    m_pMultiCtrl->Redraw(1);
    ShowHelpText(request);
    UpdateTestButtons(request);
    UpdatePageKeys();
}

// A layout the request brings keeps its columns; true when it brought one.
bool CActiveTestView::ApplyColumnLayout(const ACTIVE_TEST_REQUEST& request)
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    if (request.columnLayout == 3) {
        engine.SetColumns(1, 0);
        engine.SetColumnWidths(0, width, 0);
        engine.SetHeaderHeight(0, 0);
        engine.SetStyle(0, 0);
        return true;
    }
    if (request.columnLayout != 2 || request.headers.empty())
        return false;
    const int count = static_cast<int>(std::min<size_t>(request.headers.size(), CMultiCtrl::kMaxColumns));
    engine.SetColumns(count, 0);
    for (int column = 0; column < count; ++column) {
        engine.SetColumnWidths(column, width / count, 0);
        engine.SetHeaderText(column, Wide(request.headers[static_cast<size_t>(column)]).c_str(), 0);
    }
    return true;
}

void CActiveTestView::BuildTextRows(const ACTIVE_TEST_REQUEST& request, bool ownLayout)
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    engine.Clear();
    engine.SetRowCount(static_cast<int>(request.rows.size()));
    bool anyUnit = false;
    for (size_t i = 0; i < request.rows.size(); ++i) {
        const ACTIVE_TEST_ROW& row = request.rows[i];
        const int line = static_cast<int>(i);
        engine.SetCellText(line, 0, Wide(row.name).c_str(), -1);
        engine.SetCellText(line, 1, Wide(row.value).c_str(), -1);
        if (!row.unit.empty()) {
            engine.SetCellText(line, 2, Wide(row.unit).c_str(), -1);
            anyUnit = true;
        }
    }
    if (!ownLayout)
        SetValueColumns(anyUnit ? 3 : 2, true);
}

void CActiveTestView::BuildIdRows(const ACTIVE_TEST_REQUEST& request, bool ownLayout)
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    engine.Clear();
    engine.SetRowCount(static_cast<int>(request.rows.size()));
    // A database whose header is refused says so in a box: once per list, not at every poll.
    std::vector<RDS_ID> ids;
    for (const ACTIVE_TEST_ROW& row : request.rows)
        ids.push_back(row.id);
    CDbFile texts;
    const bool refusedBefore = !m_unnamedIds.empty() && ids == m_unnamedIds;
    const bool open = !refusedBefore && texts.Open(ResGetLanguageCode() + L"_DS.DB");
    if (!open)
        m_unnamedIds = ids;
    else
        m_unnamedIds.clear();
    bool anyUnit = false;
    bool lastFound = false;
    for (size_t i = 0; i < request.rows.size(); ++i) {
        const ACTIVE_TEST_ROW& row = request.rows[i];
        const int line = static_cast<int>(i);
        m_ids.push_back(row.id);
        if (request.rowLayout == 1)
            m_seconds.push_back(row.second);
        RDS_ITEM item;
        item.id = row.id;
        RDS_ITEM_NAMES names;
        if (open)
            names = NameRdsItem(texts, item, 0, false);  // the unit is the record's second field
        lastFound = names.found;
        if (!names.found) {
            m_names.push_back(kUnknown);
            m_units.push_back(request.rowLayout == 1 ? Wide(RdsIdText(row.second)) : kUnknown);
            engine.SetCellTextA(line, 0, row.value.c_str(), -1);
            continue;
        }
        const std::wstring unit = Wide(names.unit.substr(0, kUnitBytes));
        m_names.push_back(Wide(names.name));
        m_units.push_back(unit);
        engine.SetCellTextA(line, 0, names.name.c_str(), -1);
        engine.SetCellTextA(line, 1, row.value.c_str(), -1);
        if (!unit.empty()) {
            engine.SetCellText(line, 2, unit.c_str(), -1);
            anyUnit = true;
        }
    }
    if (!ownLayout)
        SetValueColumns(anyUnit ? 3 : 2, lastFound);
}

// Name, value and unit share the width 3:1:1, name and value 3:2; rows that are no more than a
// value text take the whole width.
void CActiveTestView::SetValueColumns(int count, bool lastFound)
{
    CMultiCtrl& engine = *m_pMultiCtrl;
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    if (count == 3) {
        engine.SetColumns(3, 0);
        engine.SetColumnWidths(0, width * 3 / 5, 0);
        engine.SetColumnWidths(1, width / 5, 0);
        engine.SetColumnWidths(2, width / 5, 0);
    } else if (lastFound) {
        engine.SetColumns(2, 0);
        engine.SetColumnWidths(0, width * 3 / 5, 0);
        engine.SetColumnWidths(1, width * 2 / 5, 0);
    } else {
        engine.SetColumns(1, 0);
        engine.SetColumnWidths(0, width, 0);
    }
}

void CActiveTestView::ShowHelpText(const ACTIVE_TEST_REQUEST& request)
{
    if (request.helpText.empty())
        return;
    const std::wstring help = Wide(request.helpText);
    HWND edit = EditControl();
    wchar_t current[512] = {};
    if (edit)
        GetWindowTextW(edit, current, static_cast<int>(std::size(current)));
    if (help == current)
        return;
    if (edit)
        ShowWindow(edit, SW_HIDE);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(help);
}

void CActiveTestView::UpdateTestButtons(const ACTIVE_TEST_REQUEST& request)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    const int count = static_cast<int>(request.buttons.size());
    if (count != g_lastButtonCount && count != bar.GetButtonCount()) {
        bar.RemoveAllButtons();
        for (int i = 0; i < count; ++i) {
            bar.AddButton(active_test::kFirstButton + i);
            bar.SetButtonBitmaps(active_test::kFirstButton + i, 409, 410, 471);
        }
        g_lastButtonCount = count;
    }
    for (int i = 0; i < count; ++i) {
        CBmpBtn* button = bar.GetButton(active_test::kFirstButton + i);
        if (!button)
            continue;
        const ACTIVE_TEST_BUTTON& record = request.buttons[static_cast<size_t>(i)];
        const std::wstring caption = Wide(record.caption);
        if (button->GetText() != caption)
            bar.SetButtonText(active_test::kFirstButton + i, caption);
        if (!IsWindowVisible(button->Handle()))
            button->Show(SW_SHOW);
        button->Enable(record.enabled);
    }
}

void CActiveTestView::UpdatePageKeys()
{
    const CMultiCtrl& engine = *m_pMultiCtrl;
    const bool onePage = engine.IsFirstPage() && engine.IsLastPage();
    SetButtonState(3002, !onePage && !engine.IsFirstPage());
    SetButtonState(3003, !onePage && !engine.IsLastPage());
    SetButtonState(3001, false);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

void CActiveTestView::ShowTitleOnBar()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_title);
}

// The help line takes its room from the screen only while it has something to say.
void CActiveTestView::LayOutView()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame || frame->CurrentViewId() != kViewId)
        return;
    const bool help = !frame->HelpInfoBar().GetInfoText().empty();
    frame->HelpInfoBar().Show(help ? SW_SHOW : SW_HIDE);
    const RECT area = frame->AreaRect(help ? VIEW_AREA::DiagnosisLessRowAndHelp : VIEW_AREA::DiagnosisLessRow);
    const RECT now = ClientRect();
    if (now.bottom - now.top == area.bottom - area.top)
        return;
    Move(area, true);
    m_pMultiCtrl->SetRect(ClientRect());
    m_pMultiCtrl->Redraw(1);
}

// The answer.

void CActiveTestView::SendAnswer()
{
    if (const auto block = AnswerBlock())
        WriteActiveTestAnswer(*block, static_cast<uint8_t>(m_nKey), std::nullopt);
    HandTurnBack();
    m_nKey = active_test::kKeyNone;  // a key goes with one answer: the next one must not repeat the test
}

void CActiveTestView::OnTestButton(int commandId)
{
    m_nKey = commandId - active_test::kFirstButton;
    if (!m_keyMode) {
        SendAnswer();
        return;
    }
    // The turn went back long ago: only the mailbox reaches the diagnostic program now. A key it has
    // not taken yet makes the mailbox refuse this one.
    if (const auto block = RequestBlock())
        PostKey(*block, ActiveTestMailboxKey(commandId));
}

bool CActiveTestView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (!m_keyMode && m_pMultiCtrl && AnswerBlock() && m_pMultiCtrl->HitTest(point.x, point.y, row, 0)) {
        m_nKey = active_test::kKeyNone;
        const int selected = m_pMultiCtrl->GetSelectedRow();
        const bool valid = selected >= 0 && selected < m_pMultiCtrl->GetRowCount();
        WriteActiveTestAnswer(*AnswerBlock(), active_test::kKeyNone, static_cast<uint16_t>(valid ? selected : row));
        HandTurnBack();
    }
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

bool CActiveTestView::HandlesCommand(int commandId) const
{
    return (commandId >= active_test::kFirstButton && commandId <= active_test::kLastButton) ||
           CDiagView::HandlesCommand(commandId);
}

bool CActiveTestView::OnCommand(int id, int code, HWND control)
{
    if (id >= active_test::kFirstButton && id <= active_test::kLastButton && (code == 0 || code == 1) &&
        !IsBottomBarCommand()) {
        OnTestButton(id);
        return true;
    }
    return CDiagView::OnCommand(id, code, control);
}
