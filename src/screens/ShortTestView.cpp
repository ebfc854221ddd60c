#include "ShortTestView.h"

#include "ButtonBar.h"
#include "MainFrame.h"
#include "ShortTestFrames.h"
#include "StringResources.h"
#include "TextConversion.h"

namespace {

constexpr uint32_t kDefaultTitle = 0x10000028;

}  // namespace

void CShortTestView::OnShowView()
{
    CDiagView::OnShowView();
    CMainFrame* frame = CMainFrame::Instance();
    if (frame)
        frame->ButtonBar().AddButton(kToggleKey, false);
    m_action = short_test::kNothing;
    m_clickedRow = 0;
    m_toggle = false;
    if (const auto block = RequestBlock(); block && ParseShortTestRequest(*block).mode != 0) {
        m_toggle = true;
        ShowToggleKey();
    }
    if (m_pMultiCtrl && !m_engineAttached) {
        m_engineAttached = true;
        m_pMultiCtrl->Attach(ClientRect(), Handle());
        m_pMultiCtrl->SetColumns(2, 0);
    }
}

void CShortTestView::ShowToggleKey()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    bar.RemoveAllButtons();
    bar.AddButton(kToggleKey, true);
    bar.SetButtonBitmaps(kToggleKey, 409, 410, 471);
    SetToggleCaption(ShortTestToggleCaption(m_toggle));
}

// The screen is polled without being shown again, so a mode word that first comes with a later
// request brings the toggle key as a first request's would. Requests without one leave the key
// as it is: the diagnostic program names the mode once, not with every poll. Mode 2 disables the key
// and mode 1 enables it again.
void CShortTestView::FollowModeWord(int mode)
{
    CMainFrame* frame = CMainFrame::Instance();
    if (mode == 0 || !frame)
        return;
    CBmpBtn* key = frame->ButtonBar().GetButton(kToggleKey);
    if (!key || !key->IsVisible()) {
        m_toggle = true;
        ShowToggleKey();
        key = frame->ButtonBar().GetButton(kToggleKey);
    }
    if (key)
        key->Enable(mode == 1);
}

void CShortTestView::SetToggleCaption(uint32_t textId)
{
    const std::wstring caption = ResGetString(textId);
    CMainFrame* frame = CMainFrame::Instance();
    if (frame && !caption.empty())
        frame->ButtonBar().SetButtonText(kToggleKey, caption);
}

void CShortTestView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl)
        return;
    const SHORT_TEST_REQUEST request = ParseShortTestRequest(*block);
    m_title = request.title.empty() ? ResGetString(kDefaultTitle) : DiagTextToWide(request.title);
    if (m_title.empty())
        m_title = L"Quick test";
    SetText(m_title);
    FollowModeWord(request.mode);
    const int count = static_cast<int>(request.rows.size());
    const bool sameRows = count == m_pMultiCtrl->GetRowCount();
    if (!sameRows) {
        m_pMultiCtrl->Clear();
        for (int i = 0; i < count; ++i)
            m_pMultiCtrl->AddRow();
    }
    for (int row = 0; row < count; ++row) {
        m_pMultiCtrl->SetCellTextA(row, 0, request.rows[static_cast<size_t>(row)].item.c_str(), -1);
        m_pMultiCtrl->SetCellTextA(row, 1, request.rows[static_cast<size_t>(row)].result.c_str(), -1);
    }
    if (!sameRows)
        m_pMultiCtrl->ShowRow(0, -1);  // a new list starts at its top; a refreshed one stays put
    m_pMultiCtrl->Redraw(1);
    SendAnswer();
    UpdateNavButtons();
    ShowTitleOnTitleBar();
}

void CShortTestView::SendAnswer()
{
    if (const auto block = AnswerBlock())
        WriteShortTestAnswer(*block, m_action, m_clickedRow);
    HandTurnBack();
    m_action = short_test::kNothing;
}

void CShortTestView::ShowTitleOnTitleBar() const
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_title);
}

void CShortTestView::ClickRow(int row)
{
    if (row < 0)
        return;
    m_action = short_test::kRowClicked;
    m_clickedRow = static_cast<uint16_t>(row);
}

bool CShortTestView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (m_pMultiCtrl && m_pMultiCtrl->HitTest(point.x, point.y, row, 0))
        ClickRow(row);
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

void CShortTestView::OnBack()
{
    m_action = short_test::kBack;
}

void CShortTestView::OnCommand3017()
{
    const SHORT_TEST_TOGGLE press = PressShortTestToggle(m_toggle);
    m_action = press.action;
    m_toggle = press.running;
    SetToggleCaption(press.captionId);
}
