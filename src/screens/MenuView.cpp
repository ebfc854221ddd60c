#include "MenuView.h"

#include "MainFrame.h"
#include "ProcessValues.h"
#include "RepairInfoView.h"
#include "StringResources.h"

void CMenuView::OnShowView()
{
    CDiagView::OnShowView();
    m_lastAnsweredRow = -1;
    if (!m_pMultiCtrl)
        return;
    m_pMultiCtrl->Clear();
    if (!s_engineAttached || !m_pMultiCtrl->Window()) {
        s_engineAttached = true;
        m_pMultiCtrl->Attach(ClientRect(), Handle());
        m_pMultiCtrl->SetColumns(1, 0);
        m_pMultiCtrl->SetHeaderHeight(0, 0);
        m_pMultiCtrl->SetStyle(0, 0);
        m_answered = false;
    }
}

std::vector<std::wstring> CMenuView::ItemTexts() const
{
    std::vector<std::wstring> items;
    for (int row = 0; m_pMultiCtrl && row < m_pMultiCtrl->GetRowCount(); ++row) {
        const wchar_t* text = m_pMultiCtrl->GetCellText(row, 0);
        items.emplace_back(text ? text : L"");
    }
    return items;
}

void CMenuView::UpdateGuideText()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    frame->TopGuide().SetPathText(ResGetMakerName() + L">>" + frame->RepairInfoView().GetNodePath());
}

void CMenuView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block || !m_pMultiCtrl)
        return;
    const MENU_REQUEST request = ParseMenuRequest(*block);
    m_lastAnsweredRow = -1;
    m_selection = request.selection;
    m_firstRow = request.firstRow;
    if (request.titleEmpty) {
        const std::wstring title = ResGetString(0x10050013);
        SetText(title.empty() ? L"Menu" : title);
    }
    if (static_cast<int>(request.items.size()) != m_pMultiCtrl->GetRowCount()) {
        m_pMultiCtrl->Clear();
        for (size_t i = 0; i < request.items.size(); ++i)
            m_pMultiCtrl->AddRow();
    }
    for (size_t row = 0; row < request.items.size(); ++row)
        m_pMultiCtrl->SetCellTextA(static_cast<int>(row), 0, request.items[row].c_str(), -1);

    if (CMainFrame* frame = CMainFrame::Instance())
        frame->RepairInfoView().OnMenuShown(ItemTexts());
    UpdateGuideText();
    m_pMultiCtrl->SelectRow(static_cast<uint16_t>(m_selection), -1);
    m_pMultiCtrl->ShowRow(m_firstRow, 1);
    m_pMultiCtrl->Redraw(1);
    UpdateNavButtons();
    m_answered = false;
}

void CMenuView::ChooseRow(int row)
{
    // One answer per request: a click after the answer, or on the row just answered, does nothing.
    const auto block = AnswerBlock();
    if (m_answered || !block || row == m_lastAnsweredRow)
        return;
    m_answered = true;
    m_lastAnsweredRow = m_selection = static_cast<int16_t>(row);
    m_firstRow = static_cast<uint16_t>(m_pMultiCtrl ? m_pMultiCtrl->GetPageFirstRow() : 0);

    std::u16string path;
    if (CMainFrame* frame = CMainFrame::Instance()) {
        frame->RepairInfoView().OnMenuItemChosen(ItemTexts(), row);
        const std::wstring nodes = frame->RepairInfoView().GetNodePath();
        path.assign(nodes.begin(), nodes.end());
    }
    UpdateGuideText();
    WriteMenuClickAnswer(*block, static_cast<uint16_t>(row), m_firstRow, path);
    SendAnswer();
}

bool CMenuView::OnLButtonDown(UINT keys, POINT point)
{
    int row = -1;
    if (!m_answered && m_pMultiCtrl && m_pMultiCtrl->HitTest(point.x, point.y, row, 0))
        ChooseRow(row);
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    return true;
}

void CMenuView::OnBack()
{
    if (s_backGuard)
        return;
    const auto block = AnswerBlock();
    if (!block)
        return;
    s_backGuard = true;
    m_answered = true;
    CDiagView::OnBack();
    m_firstRow = static_cast<uint16_t>(m_pMultiCtrl ? m_pMultiCtrl->GetPageFirstRow() : 0);
    WriteMenuBackAnswer(*block, m_firstRow);
    SendAnswer();
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->RepairInfoView().PopLevel();
    UpdateGuideText();
}

void CMenuView::SendAnswer()
{
    HandTurnBack();
}
