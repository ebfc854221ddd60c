#include "SpecialFuncView.h"

#include "ButtonBar.h"
#include "DbFile.h"
#include "ExchangeFrames.h"
#include "HelpInfoBar.h"
#include "MainFrame.h"
#include "MsgFrames.h"
#include "ProcessValues.h"
#include "RdsItemNames.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "resource.h"

namespace {

constexpr uint32_t kDefaultTitle = 0x10000270;
constexpr const wchar_t* kUnknownName = L"????";
constexpr int kMargin = 20;
constexpr int kLineHeight = 30;
constexpr int kMinTextHeight = 60;

std::vector<RDS_ID> RowKeys(const SPECIAL_FUNC_REQUEST& request)
{
    std::vector<RDS_ID> keys;
    for (const SPECIAL_FUNC_ROW& row : request.rows)
        keys.push_back(row.key);
    return keys;
}

std::vector<RDS_ID> ButtonKeys(const SPECIAL_FUNC_REQUEST& request)
{
    std::vector<RDS_ID> keys;
    for (const SPECIAL_FUNC_BUTTON& button : request.buttons)
        keys.push_back(button.key);
    return keys;
}

std::wstring WindowText(HWND control)
{
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(control), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A text set again at every poll would flicker and lose the text area's scroll position.
void SetTextWhenChanged(HWND control, const std::wstring& text)
{
    if (WindowText(control) != text)
        SetWindowTextW(control, text.c_str());
}

}  // namespace

bool CSpecialFuncView::OnInitDialog()
{
    m_progress.Subclass(Item(IDC_SPECIAL_PROGRESS));
    m_progress.SetScale(1, CScaleProgressCtrl::ScaleAcross, 10);
    return CDiagView::OnInitDialog();
}

void CSpecialFuncView::OnShowView()
{
    CDiagView::OnShowView();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        CButtonBar& bar = frame->ButtonBar();
        bar.AddButton(3005, true);
        for (int id = kFirstKeyId; id <= kLastKeyId; ++id)
            bar.AddButton(id, false);
    }
    PlaceControls();
    m_nKey = special_func::kNoKey;
}

void CSpecialFuncView::PlaceControls()
{
    const RECT client = ClientRect();
    const int width = client.right - 2 * kMargin;
    // The text takes a third of the height, so that the live values below the bar keep room for
    // their header and several rows at the program's window size.
    const int textHeight = std::max(kMinTextHeight, static_cast<int>(client.bottom) / 3 - 40);
    const int statusTop = 40 + textHeight + 10;
    const int barTop = statusTop + kLineHeight + 10;
    MoveWindow(Item(IDC_SPECIAL_TEXT), kMargin, 40, width, textHeight, TRUE);
    MoveWindow(Item(IDC_SPECIAL_STATUS), kMargin, statusTop, width, kLineHeight, TRUE);
    m_progress.Move(kMargin, barTop, width, kLineHeight);
    if (m_pMultiCtrl && !m_engineAttached) {
        m_engineAttached = true;
        const int top = barTop + kLineHeight + 10;
        m_pMultiCtrl->Attach(RECT{kMargin, top, kMargin + width, std::max<int>(top, client.bottom - 10)}, Handle());
        m_pMultiCtrl->SetColumns(3, 0);
    }
}

void CSpecialFuncView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    const SPECIAL_FUNC_REQUEST request = ParseSpecialFuncRequest(*block);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->HelpInfoBar().SetInfoText(L"");
    ShowTitle(request.title);
    const bool keptNamesFit = request.updateForm && SameKeys(m_rowNames, RowKeys(request)) &&
                              SameKeys(m_buttonNames, ButtonKeys(request));
    if (!keptNamesFit)
        NameRows(request);
    ShowButtons(request);
    FillTable(request);
    ShowStatusAndBar(request);
    SetTextWhenChanged(Item(IDC_SPECIAL_TEXT), ToCrLfLines(DiagTextToWide(request.text)));
    SendAnswer();
    m_nKey = special_func::kNoKey;
}

void CSpecialFuncView::SendAnswer()
{
    if (const auto block = AnswerBlock()) {
        WriteKeyAnswer(*block, static_cast<uint8_t>(m_nKey));
        HandTurnBack();
    }
}

void CSpecialFuncView::ShowTitle(const std::string& title)
{
    std::wstring shown = DiagTextToWide(title);
    if (shown.empty())
        shown = ResGetString(kDefaultTitle);
    if (shown.empty())
        shown = L"Function test";
    if (GetText() != shown)
        SetText(shown);
}

bool CSpecialFuncView::SameKeys(const std::vector<ROW_NAMES>& kept, const std::vector<RDS_ID>& keys) const
{
    if (kept.size() != keys.size())
        return false;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (kept[i].key != keys[i])
            return false;
    }
    return true;
}

// Rows and buttons are named from the language's data-stream database; the names are kept for the
// update form, which sends the same keys with fresh values.
void CSpecialFuncView::NameRows(const SPECIAL_FUNC_REQUEST& request)
{
    std::vector<RDS_ID> keys = RowKeys(request);
    const std::vector<RDS_ID> buttonKeys = ButtonKeys(request);
    keys.insert(keys.end(), buttonKeys.begin(), buttonKeys.end());
    CDbFile texts;
    const bool open = keys != m_unnamedKeys && texts.Open(ResGetLanguageCode() + L"_DS.DB");
    m_unnamedKeys = open ? std::vector<RDS_ID>{} : keys;
    std::vector<ROW_NAMES> names;
    for (const RDS_ID& key : keys) {
        ROW_NAMES named{key, L"", L""};
        if (open) {
            RDS_ITEM item;
            item.id = key;
            const RDS_ITEM_NAMES found = NameRdsItem(texts, item, 0, false);
            if (found.name != "????") {
                named.name = DiagTextToWide(found.name);
                named.unit = DiagTextToWide(found.unit);
            }
        }
        names.push_back(std::move(named));
    }
    const auto firstButton = names.begin() + static_cast<std::ptrdiff_t>(request.rows.size());
    m_buttonNames.assign(firstButton, names.end());
    names.erase(firstButton, names.end());
    m_rowNames = std::move(names);
}

void CSpecialFuncView::ShowButtons(const SPECIAL_FUNC_REQUEST& request)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    for (int id = kFirstKeyId; id <= kLastKeyId; ++id) {
        CBmpBtn* button = bar.GetButton(id);
        if (!button)
            continue;
        const size_t index = static_cast<size_t>(id - kFirstKeyId);
        if (index >= request.buttons.size()) {
            button->Show(SW_HIDE);
            continue;
        }
        const std::wstring& name = m_buttonNames[index].name;
        const std::wstring caption = name.empty() ? kUnknownName : name;
        if (button->GetText() != caption)
            bar.SetButtonText(id, caption);
        if (!button->IsVisible())
            button->Show(SW_SHOW);
        button->Enable(request.buttons[index].enabled);
    }
}

void CSpecialFuncView::FillTable(const SPECIAL_FUNC_REQUEST& request)
{
    if (!m_pMultiCtrl)
        return;
    CMultiCtrl& engine = *m_pMultiCtrl;
    const int count = static_cast<int>(request.rows.size());
    if (count != engine.GetRowCount()) {
        engine.Clear();
        for (int i = 0; i < count; ++i)
            engine.AddRow();
    }
    for (int row = 0; row < count; ++row) {
        const ROW_NAMES& names = m_rowNames[static_cast<size_t>(row)];
        engine.SetCellText(row, 0, names.name.empty() ? kUnknownName : names.name.c_str(), -1);
        engine.SetCellText(row, 1, DiagTextToWide(request.rows[static_cast<size_t>(row)].value).c_str(), -1);
        engine.SetCellText(row, 2, names.unit.c_str(), -1);
    }
    engine.Redraw(1);
    SetButtonState(3002, !engine.IsFirstPage());
    SetButtonState(3003, !engine.IsLastPage());
}

void CSpecialFuncView::ShowStatusAndBar(const SPECIAL_FUNC_REQUEST& request)
{
    int value = 0;
    bool named = false;
    for (size_t i = 0; i < request.rows.size(); ++i) {
        const ROW_NAMES& names = m_rowNames[i];
        if (names.name.empty())
            continue;
        named = true;
        const std::string& text = request.rows[i].value;
        SetTextWhenChanged(Item(IDC_SPECIAL_STATUS), names.name + L" " + DiagTextToWide(text) + L" " + names.unit);
        value = SpecialFuncValue(text);
    }
    m_progress.SetRange(request.lower, request.upper);
    if (named)
        m_progress.SetPos(SpecialFuncBarPosition(value, request.lower, request.upper));
    m_progress.Invalidate();
}

std::wstring CSpecialFuncView::StatusLine() const
{
    return WindowText(Item(IDC_SPECIAL_STATUS));
}

bool CSpecialFuncView::HandlesCommand(int commandId) const
{
    return (commandId >= kFirstKeyId && commandId <= kLastKeyId) || CDiagView::HandlesCommand(commandId);
}

// Every key the request gave a button reports its place in the row; the key travels with the answer
// to the next request.
bool CSpecialFuncView::OnCommand(int id, int code, HWND control)
{
    if (id >= kFirstKeyId && id <= kLastKeyId && (code == 0 || code == 1) &&
        !IsBottomBarCommand()) {
        m_nKey = id - kFirstKeyId;
        return true;
    }
    return CDiagView::OnCommand(id, code, control);
}
