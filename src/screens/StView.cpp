#include "StView.h"

#include <utility>

#include "BottomBar.h"
#include "ButtonBar.h"
#include "MainFrame.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr int kMainText = 1065;
constexpr int kEditLine = 1168;
constexpr int kLowerLeft = 1169;
constexpr int kLowerRight = 1170;
constexpr int kTextControls[] = {kMainText, kEditLine, kLowerLeft, kLowerRight};
constexpr int kFirstSoftKey = 3017;
constexpr int kSoftKeyCount = 4;
constexpr int kRowHeight = 38;
constexpr uint8_t kRowsPerPage = 10;
constexpr int kBottomCommands[] = {3004, 3001, 3005, 3028, 3002, 3003, 3011, 3031};

}  // namespace

void CStView::OnShowView()
{
    CDiagView::OnShowView();
    CMainFrame* frame = CMainFrame::Instance();
    if (frame) {
        CBottomBar& bottom = frame->BottomBar();
        bottom.DestroyButtons();
        for (int id : kBottomCommands)
            bottom.AddButton(id);
        if (CBmpBtn* button = bottom.GetButton(3031))
            button->SetChecked(false);
        for (int id = kFirstSoftKey + kSoftKeyCount; id >= kFirstSoftKey; --id) {
            frame->ButtonBar().AddButton(id, false);
            frame->ButtonBar().SetButtonBitmaps(id, 409, 410, 471);
        }
    }
    for (int id : {3003, 3002, 3005, 3004, 3001})
        SetButtonState(id, false);
    m_pageStack.clear();
    m_defaultTitle = ResGetStringOr(0x10000270, L"Function test");
    if (m_pMultiCtrl && !m_tableMade) {
        m_tableMade = true;
        RECT below = ClientRect();
        below.top += kRowHeight;
        m_pMultiCtrl->Attach(below, Handle());
        m_pMultiCtrl->SetColumns(3, 0);
        m_pMultiCtrl->SetHeaderText(0, ResGetStringOr(0x10000245, L"Name").c_str(), 0);
        m_pMultiCtrl->SetHeaderText(1, ResGetStringOr(0x10000246, L"Value").c_str(), 0);
        m_pMultiCtrl->SetHeaderText(2, ResGetStringOr(0x10000247, L"Unit").c_str(), 0);
        m_pMultiCtrl->SetMode(0, 0);
    }
    if (m_pMultiCtrl)
        m_pMultiCtrl->Show(0);
}

void CStView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    const STATUS_LIST_REQUEST request = ParseStatusListRequest(*block);
    if (!request.drawable) {
        SendAnswer();
        return;
    }
    // Hiding and placing the controls can move the focus into the edit line; that is the
    // screen's doing, not the user's, and must not be reported as an action.
    const bool wasDrawing = std::exchange(m_bDrawing, true);
    ChooseLayout(request.layout);
    SetTitle(request.title);
    if (request.hasTable)
        ShowTable(request);
    // The answer needs the table's page only: it is given before the texts and keys are written,
    // so a program that does not wait for its message to be handled goes on at once.
    SendAnswer();
    SetTexts(request.texts);
    SetSoftKeys(request.keys);
    ShowTitleOnTitleBar();
    m_bDrawing = wasDrawing;
}

void CStView::SendAnswer()
{
    if (const auto block = AnswerBlock()) {
        const bool paged = m_action == status_list::kPageDown || m_action == status_list::kPageUp;
        WriteStatusListAnswer(*block, m_action, paged ? m_answerFirstRow : m_firstRow,
                              paged ? m_answerRows : m_rowsOnPage);
    }
    HandTurnBack();
    m_action = status_list::kNothing;
}

void CStView::ChooseLayout(uint16_t type)
{
    if (m_nLayout == type)
        return;
    m_nLayout = type;
    const HFONT font = NormalFont();
    for (int id : kTextControls) {
        ShowWindow(Item(id), SW_HIDE);
        if (font)
            SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (m_pMultiCtrl)
        m_pMultiCtrl->Show(0);
    SetPaging(false, false);
    PlaceControls(type);
}

void CStView::PlaceControls(uint16_t type)
{
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const auto place = [this](int id, int x, int y, int w, int h) {
        MoveWindow(Item(id), x, y, w, h, TRUE);
        ShowWindow(Item(id), SW_SHOW);
    };
    if (StatusLayoutHasTable(type)) {
        const int mainWidth = width * 9 / 14;
        const int leftWidth = width * 6 / 7;
        place(kMainText, 0, 0, mainWidth, kRowHeight);
        place(kEditLine, mainWidth, 0, width - mainWidth, kRowHeight);
        SendMessageW(Item(kEditLine), EM_SETREADONLY, TRUE, 0);
        place(kLowerLeft, 0, height - kRowHeight, leftWidth, kRowHeight);
        place(kLowerRight, leftWidth, height - kRowHeight, width - leftWidth, kRowHeight);
        if (m_pMultiCtrl)
            m_pMultiCtrl->SetRect(RECT{0, kRowHeight, width, height - kRowHeight});
    } else if (type == 8) {
        place(kMainText, 0, 0, width, height);
    } else {
        place(kMainText, 0, 0, width, height - 2 * kRowHeight);
        place(kEditLine, 0, height - 2 * kRowHeight, width, kRowHeight);
        SendMessageW(Item(kEditLine), EM_SETREADONLY, type == 12, 0);
        place(kLowerLeft, 0, height - kRowHeight, width, kRowHeight);
    }
}

void CStView::SetTitle(const std::string& title)
{
    if (title.empty()) {
        m_title = m_defaultTitle;
        SetText(m_title);
        return;
    }
    const std::wstring text = DiagTextToWide(title);
    if (text != m_title) {
        m_title = text;
        SetText(m_title);
    }
}

void CStView::SetTexts(const std::array<std::string, 4>& texts)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!m_textControls[i])
            m_textControls[i] = Item(kTextControls[i]);  // asked once: each lookup is a call into the window server
        const HWND control = m_textControls[i];
        const std::wstring text = DiagTextToWide(texts[i]);
        wchar_t current[1024] = {};
        GetWindowTextW(control, current, static_cast<int>(std::size(current)));
        if (text != current)
            SetWindowTextW(control, text.c_str());  // written only when it changes: no flicker
    }
}

void CStView::SetSoftKeys(const std::vector<STATUS_KEY>& keys)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    for (int i = 0; i < kSoftKeyCount; ++i) {
        const int id = kFirstSoftKey + i;
        CBmpBtn* button = bar.GetButton(id);
        if (!button)
            continue;
        if (static_cast<size_t>(i) >= keys.size()) {
            button->Show(SW_HIDE);
            continue;
        }
        const STATUS_KEY& key = keys[static_cast<size_t>(i)];
        const std::wstring caption = DiagTextToWide(key.caption);
        button->Enable(key.enabled);
        if (button->GetText() != caption)
            bar.SetButtonText(id, caption);
        button->Show(caption.empty() ? SW_HIDE : SW_SHOW);
    }
}

void CStView::ShowTable(const STATUS_LIST_REQUEST& request)
{
    if (!m_pMultiCtrl)
        return;
    m_firstRow = request.firstRow;
    m_rowsOnPage = static_cast<uint8_t>(request.rows.size());
    const bool paged = m_nLayout == 5;
    SetPaging(paged && m_firstRow != 0, paged && m_firstRow + m_rowsOnPage < request.totalRows);
    const int count = static_cast<int>(request.rows.size());
    if (count != m_pMultiCtrl->GetRowCount()) {
        m_pMultiCtrl->Clear();
        for (int i = 0; i < count; ++i)
            m_pMultiCtrl->AddRow();
    }
    for (int row = 0; row < count; ++row) {
        const STATUS_ROW& texts = request.rows[static_cast<size_t>(row)];
        m_pMultiCtrl->SetCellTextA(row, 0, texts.name.c_str(), -1);
        m_pMultiCtrl->SetCellTextA(row, 1, texts.value.c_str(), -1);
        m_pMultiCtrl->SetCellTextA(row, 2, texts.unit.c_str(), -1);
    }
    m_pMultiCtrl->Show(1);
    m_pMultiCtrl->Redraw(1);
}

void CStView::SetPaging(bool up, bool down)
{
    SetButtonState(3002, up);
    SetButtonState(3003, down);
    if (CMainFrame* frame = CMainFrame::Instance(); frame && frame->ActiveViewEx() == this)
        frame->BottomBar().UpdateCommandStates();
}

void CStView::ShowTitleOnTitleBar() const
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_title);
}

// The next page: where it starts is told to the diagnostic program with the next answer.
void CStView::OnPageDown()
{
    if (!CommandEnableState(3003).value_or(false) || m_pageStack.size() >= kMaxPageStack)
        return;
    m_pageStack.push_back({m_firstRow, m_rowsOnPage});
    m_answerFirstRow = static_cast<uint16_t>(m_firstRow + m_rowsOnPage);
    m_answerRows = kRowsPerPage;
    m_action = status_list::kPageDown;
    SetPaging(CommandEnableState(3002).value_or(false), false);
}

void CStView::OnPageUp()
{
    if (!CommandEnableState(3002).value_or(false) || m_pageStack.empty())
        return;
    const TABLE_PAGE page = m_pageStack.back();
    m_pageStack.pop_back();
    m_answerFirstRow = page.firstRow;
    m_answerRows = page.rows;
    m_action = status_list::kPageUp;
    SetPaging(false, CommandEnableState(3003).value_or(false));
}

bool CStView::OnCommand(int id, int code, HWND control)
{
    if (id >= kFirstSoftKey && id < kFirstSoftKey + kSoftKeyCount && (code == 0 || code == 1)) {
        m_action = static_cast<uint8_t>(status_list::kFirstSoftKey + (id - kFirstSoftKey));
        return true;
    }
    if (id == kEditLine && code == EN_SETFOCUS) {
        if (!m_bDrawing)
            m_action = status_list::kEditLineFocused;
        SetFocus(Item(kMainText));
        return true;
    }
    return CDiagView::OnCommand(id, code, control);
}
