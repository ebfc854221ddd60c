#include "DtcView.h"

#include <utility>

#include <algorithm>
#include <vector>

#include "DbFile.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr uint32_t kDefaultTitleId = 0x10000210;
constexpr uint32_t kCodeHeaderId = 0x10000211;
constexpr uint32_t kDescriptionHeaderId = 0x10000212;
constexpr uint32_t kStatusHeaderId = 0x10000213;
constexpr uint32_t kUndefinedCodeId = 0x10000F82;
constexpr uint8_t kBackKey = 11;
constexpr uint8_t kClickKey = 255;

std::wstring Text(uint32_t id, const wchar_t* fallback)
{
    const std::wstring text = ResGetString(id);
    return text.empty() ? fallback : text;
}

std::wstring Wide(const std::string& narrow)
{
    const WideBuffer wide = Utf8ToWide(narrow.c_str());
    return wide ? std::wstring(wide.get()) : std::wstring();
}

// A record item is a narrow text up to its first zero byte.
std::wstring ItemText(const std::vector<ByteString>& items, size_t index)
{
    if (index >= items.size() || items[index].IsEmpty())
        return {};
    const auto* data = reinterpret_cast<const char*>(items[index].GetData());
    const int length = items[index].GetLength();
    return Wide(std::string(data, std::find(data, data + length, '\0')));
}

std::vector<ByteString> Lookup(CDbFile* database, const std::vector<uint8_t>& key, size_t first, size_t size)
{
    if (!database || key.size() < first + size)
        return {};
    return database->ReadRecord(ByteString(key.data() + first, static_cast<int>(size)));
}

}  // namespace

void CDtcView::OnShowView()
{
    CDiagView::OnShowView();
    SetButtonState(3004, false);
    if (!m_pMultiCtrl || (m_bEngineAttached && m_pMultiCtrl->Window()))
        return;
    m_bEngineAttached = true;
    const RECT client = ClientRect();
    m_nClientWidth = client.right - client.left;
    m_nClientHeight = client.bottom - client.top;
    m_pMultiCtrl->Attach(client, Handle());
    m_pMultiCtrl->SetColumns(2, 1);
    m_pMultiCtrl->SetMode(0, 0);
}

void CDtcView::ShowRequest()
{
    ForgetShownList();
    m_bBuildPending = true;
    SetTimer(Handle(), kBuildTimer, 10, nullptr);
}

// The screen is painted before the new list is built: what it paints then must not be the previous
// request's codes and columns.
void CDtcView::ForgetShownList()
{
    m_rowKeys.clear();
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->Clear();
    for (int column = 0; column < CMultiCtrl::kMaxColumns; ++column)
        m_pMultiCtrl->SetHeaderText(column, L"", -1);
    m_pMultiCtrl->Redraw(1);
}

bool CDtcView::OnTimer(UINT_PTR id)
{
    if (id != kBuildTimer)
        return false;
    KillTimer(Handle(), kBuildTimer);
    if (std::exchange(m_bBuildPending, false))
        BuildScreen();
    return true;
}

void CDtcView::BuildScreen()
{
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl)
        return;
    m_rowKeys.clear();
    m_pMultiCtrl->Clear();
    const DTC_REQUEST request = ParseDtcRequest(*block);
    m_nOption = request.option;
    TakeTitle(request.title);
    if (request.freeText)
        FillTextRows(request);
    else
        FillKeyRows(request);
    ShowTitleOnTitleBar();
}

void CDtcView::TakeTitle(const std::string& title)
{
    m_strTitle = title.empty() ? Text(kDefaultTitleId, L"DTC information") : Wide(title);
    SetText(m_strTitle);
}

void CDtcView::ShowTitleOnTitleBar()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_strTitle);
}

void CDtcView::SetUpColumns(int count)
{
    const int width = m_nClientWidth;
    m_pMultiCtrl->SetColumns(count, 0);
    if (count == 3) {
        m_pMultiCtrl->SetColumnWidths(0, width / 5, 0);
        m_pMultiCtrl->SetColumnWidths(1, 2 * width / 5 + width / 10, 0);
        m_pMultiCtrl->SetColumnWidths(2, 2 * width / 5 - width / 10, 0);
    } else {
        m_pMultiCtrl->SetColumnWidths(0, width / 5, 0);
        m_pMultiCtrl->SetColumnWidths(1, 4 * width / 5, 0);
    }
    m_pMultiCtrl->SetHeaderText(0, Text(kCodeHeaderId, L"DTC").c_str(), 0);
    m_pMultiCtrl->SetHeaderText(1, Text(kDescriptionHeaderId, L"Description").c_str(), 0);
    if (count == 3)
        m_pMultiCtrl->SetHeaderText(2, Text(kStatusHeaderId, L"Status").c_str(), 0);
    m_pMultiCtrl->SetMode(0, 0);
    m_pMultiCtrl->SetStyle(0, 0);
    m_pMultiCtrl->Redraw(1);
}

void CDtcView::FillTextRows(const DTC_REQUEST& request)
{
    SetUpColumns(AnyStatusText(request.texts) ? 3 : 2);
    int row = 0;
    for (const DTC_TEXT_ENTRY& entry : request.texts) {
        m_pMultiCtrl->AddRow();
        const std::string* cells[] = {&entry.code, &entry.description, &entry.status};
        for (int column = 0; column < 3; ++column)
            if (!cells[column]->empty())
                m_pMultiCtrl->SetCellText(row, column, Wide(*cells[column]).c_str(), -1);
        ++row;
    }
    m_pMultiCtrl->Redraw(1);
    FindHelpDatabase();
    UpdatePageKeys();  // print keeps its state, so the list can be printed
    Show(SW_SHOW);
}

void CDtcView::FillKeyRows(const DTC_REQUEST& request)
{
    const std::wstring language = ResGetLanguageCode();
    const std::wstring name = request.wideKeys ? Wide(request.databaseFolder) + L"\\" + language + L".dat"
                                               : language + L"_DTC.DB";
    CDbFile file;
    CDbFile* database = file.Open(name) ? &file : nullptr;
    SetUpColumns(database && request.statusColumn ? 3 : 2);
    int row = 0;
    for (const DTC_KEY_ENTRY& entry : request.keys) {
        m_pMultiCtrl->AddRow();
        m_strDisplayCode = Wide(entry.displayCode);
        if (!entry.status.empty())
            m_pMultiCtrl->SetCellTextA(row, 2, entry.status.c_str(), -1);
        if (entry.literal)
            FillLiteralRow(row, entry);
        else if (request.wideKeys)
            FillWideKeyRow(row, entry, database);
        else
            FillShortKeyRow(row, entry, database);
        ++row;
    }
    m_pMultiCtrl->Redraw(1);
    FindHelpDatabase();
    UpdatePageKeys();  // print keeps its state, so the list can be printed
    Show(SW_SHOW);  // after a message the frame leaves the showing to the screen, once drawn
}

void CDtcView::SetUnknownDescription(int row)
{
    m_pMultiCtrl->SetCellText(row, 1, Text(kUndefinedCodeId, L"Unknown Code").c_str(), -1);
}

void CDtcView::FillShortKeyRow(int row, const DTC_KEY_ENTRY& entry, CDbFile* database)
{
    m_rowKeys[std::to_wstring(row)] = DtcKeyHex(entry.key);
    const std::vector<ByteString> record = Lookup(database, entry.key, 0, entry.key.size());
    if (record.empty()) {
        const std::wstring code = m_strDisplayCode.empty() ? Wide(DtcShortCode(entry.key)) : m_strDisplayCode;
        m_pMultiCtrl->SetCellText(row, 0, code.c_str(), -1);
        SetUnknownDescription(row);
        return;
    }
    m_pMultiCtrl->SetCellText(row, 0, ItemText(record, 0).c_str(), -1);
    const std::wstring description = ItemText(record, 1);
    if (description.empty())
        SetUnknownDescription(row);
    else
        m_pMultiCtrl->SetCellText(row, 1, CutDtcText(description).c_str(), -1);
}

void CDtcView::FillWideKeyRow(int row, const DTC_KEY_ENTRY& entry, CDbFile* database)
{
    const size_t half = entry.key.size() / 2;
    // A packed database answers a missing key with one empty text.
    const std::wstring codeText = ItemText(Lookup(database, entry.key, 0, half), 0);
    if (!codeText.empty()) {
        m_pMultiCtrl->SetCellText(row, 0, CutDtcText(codeText).c_str(), -1);
    } else {
        // A code the database does not know is still shown, as in the short form.
        const std::vector<uint8_t> codeKey(entry.key.begin(), entry.key.begin() + static_cast<ptrdiff_t>(half));
        const std::wstring shown = m_strDisplayCode.empty() ? Wide(DtcShortCode(codeKey)) : m_strDisplayCode;
        m_pMultiCtrl->SetCellText(row, 0, shown.c_str(), -1);
    }
    const std::wstring description = ItemText(Lookup(database, entry.key, half, half), 0);
    if (description.empty())
        SetUnknownDescription(row);
    else
        m_pMultiCtrl->SetCellText(row, 1, CutDtcText(description).c_str(), -1);
}

void CDtcView::FillLiteralRow(int row, const DTC_KEY_ENTRY& entry)
{
    const std::string code = entry.displayCode.empty() ? entry.literalCode : ExpandMarkedDtcCode(entry.displayCode);
    m_pMultiCtrl->SetCellText(row, 0, Wide(code).c_str(), -1);
    SetUnknownDescription(row);
}

void CDtcView::FindHelpDatabase()
{
    m_strHelpDbPath = ResGetSoftwareDir() + L"\\" + ResGetLanguageCode() + L"_DTC_H.db";
    const DWORD attributes = GetFileAttributesW(m_strHelpDbPath.c_str());
    m_bHelpAvailable = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string CDtcView::RowKey(int row) const
{
    const auto found = m_rowKeys.find(std::to_wstring(row));
    return found == m_rowKeys.end() ? std::string() : found->second;
}

void CDtcView::Answer(uint16_t clickedRow, bool click)
{
    // One answer per request: after the turn went back nothing is written.
    const auto block = AnswerBlock();
    if (!block)
        return;
    // A list still waiting to be built belongs to the request answered now: building it later would
    // read the next request as trouble codes.
    KillTimer(Handle(), kBuildTimer);
    m_bBuildPending = false;
    if (click)
        WriteDtcClickAnswer(*block, clickedRow);
    else
        WriteDtcAnswer(*block, m_nKeyCode);
    HandTurnBack();
}

void CDtcView::SendAnswer()
{
    Answer(0, false);
}

void CDtcView::OnBack()
{
    if (!AnswerBlock())
        return;
    CDiagView::OnBack();
    m_nKeyCode = kBackKey;
    SendAnswer();
}

bool CDtcView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (m_bHelpAvailable && AnswerBlock() && m_pMultiCtrl && m_pMultiCtrl->HitTest(point.x, point.y, row, 0)) {
        m_nKeyCode = kClickKey;
        const int chosen = m_pMultiCtrl->GetSelectedRow();
        const bool selected = chosen >= 0 && chosen < m_pMultiCtrl->GetRowCount();
        Answer(static_cast<uint16_t>(selected ? chosen : row), true);
    }
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

void CDtcView::OnPrint()
{
    PrintTable(L"DTC");
}
