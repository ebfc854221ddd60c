#include "VerView.h"

#include <algorithm>

#include "MainFrame.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "VerFrames.h"

void CVerView::OnShowView()
{
    CDiagView::OnShowView();
    if (!m_pMultiCtrl)
        return;
    const RECT client = ClientRect();
    const int width = client.right - client.left;
    m_pMultiCtrl->Attach(client, Handle());
    m_pMultiCtrl->SetColumns(2, 1);
    m_pMultiCtrl->SetColumnWidths(0, width / 2, 1);
    m_pMultiCtrl->SetColumnWidths(1, width / 2, 1);
    m_pMultiCtrl->SetStyle(0, 1);
    m_pMultiCtrl->SetMode(1, 1);
    m_pMultiCtrl->SetMaxSelection(1);
    m_pMultiCtrl->SetRowHeight(std::max(CMultiCtrl::BaseRowHeight(), 23), 1);
    m_pMultiCtrl->SetHeaderText(0, ResGetStringOr(0x10000245, L"Name").c_str(), 1);
    m_pMultiCtrl->SetHeaderText(1, ResGetStringOr(0x10000246, L"Value").c_str(), 1);
}

void CVerView::ShowRequest()
{
    BlankShownPairs();
    SetTimer(Handle(), kDrawTimer, 10, nullptr);
}

// The screen may be painted before the timer draws the new pairs: it then shows empty rows, never
// the previous request's pairs. The rows themselves stay, for a list of the same length keeps them.
void CVerView::BlankShownPairs()
{
    if (!m_pMultiCtrl)
        return;
    for (int row = 0; row < m_pMultiCtrl->GetRowCount(); ++row) {
        m_pMultiCtrl->SetCellText(row, 0, L"", -1);
        m_pMultiCtrl->SetCellText(row, 1, L"", -1);
    }
    m_pMultiCtrl->Redraw(1);
}

bool CVerView::OnTimer(UINT_PTR id)
{
    if (id != kDrawTimer)
        return false;
    KillTimer(Handle(), kDrawTimer);
    DrawRequest();
    return true;
}

void CVerView::DrawRequest()
{
    // A request already answered (Back before the timer fired) belongs to the diagnostic program.
    const auto block = AnswerBlock();
    if (!block || !m_pMultiCtrl)
        return;
    const VER_REQUEST request = ParseVerRequest(*block);
    const std::wstring title = DiagTextToWide(request.title);
    ShowTitle(title.empty() ? ResGetStringOr(0x10000220, L"Vehicle information") : title);
    if (CMainFrame* frame = CMainFrame::Instance())
        RedrawWindow(frame->TopGuide().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    const int rows = static_cast<int>(request.pairs.size());
    if (rows != m_pMultiCtrl->GetRowCount()) {
        m_pMultiCtrl->Clear();
        for (int i = 0; i < rows; ++i)
            m_pMultiCtrl->AddRow();
    }
    for (int row = 0; row < rows; ++row) {
        m_pMultiCtrl->SetCellTextA(row, 0, request.pairs[static_cast<size_t>(row)].first.c_str(), -1);
        m_pMultiCtrl->SetCellTextA(row, 1, request.pairs[static_cast<size_t>(row)].second.c_str(), -1);
    }
    m_pMultiCtrl->Redraw(1);
    UpdateNavButtons();
}

void CVerView::ShowTitle(const std::wstring& title)
{
    SetText(title);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(title);
    Invalidate(true);
}

void CVerView::OnBack()
{
    if (!HoldsTurn())
        return;
    CDiagView::OnBack();
    m_key = kVerKeyBack;
    SendAnswer();
}

void CVerView::SendAnswer()
{
    const auto block = AnswerBlock();
    if (!block)
        return;
    WriteVerAnswer(*block, m_key);
    HandTurnBack();
}
