#include "MultSelectView.h"

#include <algorithm>
#include <ctime>

#include "ButtonBar.h"
#include "ExchangeFrames.h"
#include "FileBytes.h"
#include "HelpInfoBar.h"
#include "MainFrame.h"
#include "MessageBox.h"
#include "MultSelectFrames.h"
#include "OpenFileDialog.h"
#include "ProcessValues.h"
#include "ScopedWin.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr int kMarkColumnWidth = 200;
constexpr int kHiddenEdit = 1024;
constexpr int kSelectAllKey = 3025;
constexpr int kRecordKey = 3021;
constexpr int kImportKey = 3022;
constexpr int kExitKey = 3011;
constexpr size_t kMaxRecordBytes = 64 * 1024;
constexpr uint8_t kAccepted = 1;
constexpr uint8_t kWentBack = 2;
constexpr uint8_t kAllToggled = 16;

std::string Narrow(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(size, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), size, nullptr, nullptr);
    return narrow.c_str();
}

void Tell(HWND owner, const wchar_t* text)
{
    ShowMessageBox(owner, text, L"", MB_OK);
}

void AddSkinnedKey(CButtonBar& bar, int id)
{
    bar.AddButton(id, true);
    bar.SetButtonBitmaps(id, 409, 410, 471);
}

}  // namespace

void CMultSelectView::OnShowView()
{
    CDiagView::OnShowView();
    m_allSelected = false;
    m_chosenRow = -1;
    if (const auto block = RequestBlock())
        m_singleChoice = CRequestReader(*block).Option() == 1;
    UpdateAcceptKey();
    PlaceEngine();
    ShowWindow(Item(kHiddenEdit), SW_HIDE);
    SetupButtons();
}

void CMultSelectView::PlaceEngine()
{
    if (!m_pMultiCtrl)
        return;
    if (!m_engineAttached) {
        m_engineAttached = true;
        m_pMultiCtrl->Attach(ClientRect(), Handle());
    }
    m_pMultiCtrl->SetRect(ClientRect());
    // The table keeps the header the engine gives every table; only the menu screen removes it.
    if (m_singleChoice) {
        m_pMultiCtrl->SetColumns(2, 0);
        m_pMultiCtrl->SetColumnWidths(0, kMarkColumnWidth, 0);
        m_pMultiCtrl->SetColumnWidths(1, std::max(static_cast<int>(ClientRect().right) - kMarkColumnWidth, 1), 0);
        m_pMultiCtrl->SetMode(0, 0);
    } else {
        m_pMultiCtrl->SetColumns(1, 0);
        m_pMultiCtrl->SetMode(1, 0);
        m_pMultiCtrl->SetMaxSelection(static_cast<int>(kMaxSelectRows));
    }
}

// The keys of the multiple selection: Exit, Select All and the saved selections (Import); the
// record key stands in the row but does nothing here.
void CMultSelectView::SetupButtons()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    bar.RemoveAllButtons();
    bar.AddButton(kExitKey, true);
    if (m_singleChoice)
        return;
    AddSkinnedKey(bar, kSelectAllKey);
    AddSkinnedKey(bar, kRecordKey);
    AddSkinnedKey(bar, kImportKey);
}

void CMultSelectView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl)
        return;
    ShowStatus(L"");
    // Requests that follow each other on this screen do not show it again: the form (one choice or
    // several) and its keys follow each request.
    if (const bool single = CRequestReader(*block).Option() == 1; single != m_singleChoice) {
        m_singleChoice = single;
        PlaceEngine();
        SetupButtons();
    }
    const MULTI_SELECT_REQUEST request = ParseMultiSelectRequest(*block);
    m_count = static_cast<uint16_t>(request.items.size());
    m_firstRow = request.firstRow;
    m_chosenRow = -1;
    m_pMultiCtrl->Clear();
    const std::wstring title = DiagTextToWide(request.title);
    ShowTitle(title.empty() ? ResGetStringOr(0x10000230, L"Multiple selection") : title);
    const int textColumn = m_singleChoice ? 1 : 0;
    for (const std::string& item : request.items) {
        if (!m_pMultiCtrl->AddRow())
            break;  // AddRow answers whether a row was added, not where
        m_pMultiCtrl->SetCellTextA(m_pMultiCtrl->GetRowCount() - 1, textColumn, item.c_str(), 0);
    }
    for (size_t row : PreselectedRows(request)) {
        m_pMultiCtrl->SelectRow(static_cast<int>(row), 0);
        if (m_singleChoice)
            MarkChosen(static_cast<int>(row));
    }
    if (!request.status.empty())
        ShowStatus(DiagTextToWide(request.status));
    LayOutBetweenBars();  // before the scroll: a new area starts the table from its top
    m_pMultiCtrl->ShowRow(m_firstRow, 0);
    if (m_chosenRow >= 0)  // a preselected row is chosen on the page the request opens
        m_chosenFirstRow = static_cast<uint16_t>(m_pMultiCtrl->GetPageFirstRow());
    m_pMultiCtrl->Redraw(1);
    UpdateNavButtons();
    UpdateAcceptKey();
}

void CMultSelectView::UpdateAcceptKey()
{
    SetAcceptKey(MultiSelectAcceptAllowed(m_singleChoice, m_chosenRow));
}

void CMultSelectView::SetAcceptKey(bool enabled)
{
    SetButtonState(3004, enabled);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->BottomBar().UpdateCommandStates();
}

void CMultSelectView::ShowTitle(const std::wstring& title)
{
    SetText(title);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(title);
}

void CMultSelectView::ShowStatus(const std::wstring& status)
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(status);
}

// With a status text the help line shows below the list; without, the list takes its room.
void CMultSelectView::LayOutBetweenBars()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    const bool status = !frame->HelpInfoBar().GetInfoText().empty();
    frame->HelpInfoBar().Show(status ? SW_SHOW : SW_HIDE);
    const RECT area = frame->AreaRect(status ? VIEW_AREA::DiagnosisLessRowAndHelp : VIEW_AREA::DiagnosisLessRow);
    Move(area, true);
    if (m_pMultiCtrl)
        m_pMultiCtrl->SetRect(ClientRect());
}

void CMultSelectView::MarkChosen(int row)
{
    if (!m_pMultiCtrl)
        return;
    for (int i = 0; i < m_pMultiCtrl->GetRowCount(); ++i)
        m_pMultiCtrl->SetCellText(i, 0, L"", 0);
    m_chosenRow = row;
    m_chosenFirstRow = static_cast<uint16_t>(m_pMultiCtrl->GetPageFirstRow());
    m_pMultiCtrl->SetCellText(row, 0, L"Y", 1);
    UpdateAcceptKey();
}

void CMultSelectView::ClickRow(int row)
{
    if (!m_pMultiCtrl || row < 0 || row >= m_pMultiCtrl->GetRowCount())
        return;
    if (m_singleChoice) {
        MarkChosen(row);
        return;
    }
    m_pMultiCtrl->SelectRow(row, 1);
}

bool CMultSelectView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (m_pMultiCtrl && m_pMultiCtrl->HitTest(point.x, point.y, row, 0)) {
        if (m_singleChoice)
            MarkChosen(row);
        // In the multiple selection the engine's own click toggles the row.
    }
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

std::vector<bool> CMultSelectView::MarkedRows() const
{
    std::vector<bool> marked;
    for (int row = 0; m_pMultiCtrl && row < m_pMultiCtrl->GetRowCount(); ++row)
        marked.push_back(m_pMultiCtrl->IsRowSelected(row));
    return marked;
}

void CMultSelectView::OnAccept()
{
    const auto block = AnswerBlock();
    if (!block || !MultiSelectAcceptAllowed(m_singleChoice, m_chosenRow))
        return;
    m_answerKind = kAccepted;
    SetAcceptKey(false);
    if (m_singleChoice)
        WriteSingleChoiceAccept(*block, static_cast<uint16_t>(m_chosenRow), m_chosenFirstRow);
    else
        WriteMultiSelectAccept(*block, m_firstRow, MarkedRows());
    SendAnswer();
}

void CMultSelectView::OnBack()
{
    const auto block = AnswerBlock();
    if (!block)
        return;
    m_answerKind = kWentBack;
    if (m_singleChoice) {
        SetAcceptKey(false);
        WriteSingleChoiceBack(*block);
    } else {
        WriteMultiSelectBack(*block);
    }
    SendAnswer();
}

void CMultSelectView::SendAnswer()
{
    HandTurnBack();
}

void CMultSelectView::OnPageUp()
{
    CDiagView::OnPageUp();
    if (m_pMultiCtrl)
        m_firstRow = static_cast<uint16_t>(m_pMultiCtrl->GetPageFirstRow());
    if (m_allSelected && m_pMultiCtrl)
        m_pMultiCtrl->SelectAll(1);
}

void CMultSelectView::OnPageDown()
{
    CDiagView::OnPageDown();
    if (m_pMultiCtrl)
        m_firstRow = static_cast<uint16_t>(m_pMultiCtrl->GetPageFirstRow());
    if (m_allSelected && m_pMultiCtrl)
        m_pMultiCtrl->SelectAll(1);
}

void CMultSelectView::OnSelectAll()
{
    m_answerKind = kAllToggled;
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->SelectAll(m_allSelected ? 0 : 1);
    m_pMultiCtrl->Redraw(1);
    if (CMainFrame* frame = CMainFrame::Instance()) {
        CButtonBar& bar = frame->ButtonBar();
        bar.SetButtonBitmaps(kSelectAllKey, 409, 410, 471);
        bar.SetButtonText(kSelectAllKey, m_allSelected ? ResGetStringOr(0x10000014, L"Select All") : ResGetStringOr(0x10000001, L"Cancel"));
    }
    m_allSelected = !m_allSelected;
}

bool CMultSelectView::OnCommand(int id, int code, HWND control)
{
    if (id == kImportKey && (code == 0 || code == 1)) {
        ImportSelection();
        return true;
    }
    if (id == kRecordKey && (code == 0 || code == 1))
        return true;  // the record key has nothing to record here
    return CDiagView::OnCommand(id, code, control);
}

std::wstring CMultSelectView::SaveFolder() const
{
    return ResGetSoftwareDir() + L"save";
}

void CMultSelectView::ImportSelection()
{
    const std::wstring folder = SaveFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring filter = std::wstring(L"Record Files (*.txt)\0*.txt\0\0", 29);
    const std::optional<std::wstring> file = AskFileToOpen(Handle(), folder, filter);
    if (!file)
        return;
    std::vector<uint8_t> bytes;
    if (!ReadFileBytesUpTo(*file, kMaxRecordBytes, bytes)) {
        Tell(Handle(), L"Open failed!");
        return;
    }
    const SELECTION_RECORD record =
        ParseSelectionRecord(std::string(bytes.begin(), bytes.end()), Narrow(ResGetSoftwareDir()));
    if (record.result == SELECTION_RECORD_RESULT::WrongSoftware) {
        Tell(Handle(), L"You choosed the wrong file, Please try again.");
        return;
    }
    if (record.result == SELECTION_RECORD_RESULT::Broken || !m_pMultiCtrl) {
        Tell(Handle(), L"File is broken .Please try another.");
        return;
    }
    m_pMultiCtrl->SelectAll(0);
    for (size_t row : record.rows)
        m_pMultiCtrl->SelectRow(static_cast<int>(row), 0);
    m_pMultiCtrl->Redraw(1);
    if (record.result == SELECTION_RECORD_RESULT::BrokenRow)
        Tell(Handle(), L"File is broken .Please try another.");
}

bool CMultSelectView::OnPaint()
{
    CPaintDc paint(Handle());
    RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
}
