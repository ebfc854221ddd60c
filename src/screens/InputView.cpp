#include "InputView.h"

#include <algorithm>

#include "MainFrame.h"
#include "PopMsgDlg.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "resource.h"

void CInputView::OnShowView()
{
    CDiagView::OnShowView();
    for (int id : {3003, 3002, 3005})
        SetButtonState(id, false);
    if (!m_edit.IsWindow()) {
        m_edit.Subclass(Item(IDC_INPUT_VALUE));
        // The answer's one length byte counts the text and six more bytes.
        m_edit.SendMsg(EM_SETLIMITTEXT, kMaxInputAnswerText);
    }
    PlaceControlsOnce();
}

// The controls are placed for the view's size at the first show of the run only.
void CInputView::PlaceControlsOnce()
{
    if (s_controlsPlaced)
        return;
    s_controlsPlaced = true;
    const RECT client = ClientRect();
    const double width = client.right - client.left;
    const double height = client.bottom - client.top;
    MoveWindow(Item(IDC_INPUT_PROMPT), static_cast<int>(width / 5), static_cast<int>(height / 4),
               static_cast<int>(width * 0.8), static_cast<int>(height / 6), TRUE);
    MoveWindow(Item(IDC_INPUT_VALUE), static_cast<int>(width / 5), static_cast<int>(height / 6 + height / 4),
               static_cast<int>(width * 0.6), static_cast<int>(height / 15), TRUE);
}

void CInputView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    m_request = ParseInputRequest(*block);
    const std::wstring prompt = DiagTextToWide(m_request.prompt);
    if (PromptText() != prompt)
        SetDlgItemTextW(Handle(), IDC_INPUT_PROMPT, prompt.c_str());
    m_title = DiagTextToWide(m_request.title);
    SetText(m_title);
    // The diagnostic program reads the answer in the thread's ANSI code page, whatever the
    // requests' text is.
    m_edit.SetAnswerLimit(kMaxInputAnswerText, CP_THREAD_ACP);
    m_edit.SetText(m_edit.FittingStart(DiagTextToWide(m_request.initialValue)));
    m_edit.SetInputRule(DiagTextToWide(m_request.inputType), DiagTextToWide(m_request.minimum),
                        DiagTextToWide(m_request.maximum));
    ShowTitle();
    SetFocus(m_edit.Handle());
}

std::wstring CInputView::PromptText() const
{
    const HWND prompt = Item(IDC_INPUT_PROMPT);
    std::wstring text(static_cast<size_t>(std::max(GetWindowTextLengthW(prompt), 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(std::max(GetWindowTextW(prompt, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

void CInputView::ShowTitle()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_title);
}

void CInputView::OnAccept()
{
    if (!HoldsTurn())
        return;
    if (!InputValueAcceptable(m_request, m_edit.AnswerText())) {
        const std::wstring text = ResGetString(0x10000505);
        PopMsgDlg box(Handle());
        box.SetMessage(text.empty() ? L"Values over range!" : text);
        box.DoModal();
        return;
    }
    m_key = kInputKeyAccept;
    CMultiCtrl::SetGraphRowCount(300);
    SendAnswer();
}

void CInputView::OnBack()
{
    if (!HoldsTurn())
        return;
    m_key = kInputKeyBack;
    SendAnswer();
}

void CInputView::SendAnswer()
{
    const auto block = AnswerBlock();
    if (!block)
        return;
    WriteInputAnswer(*block, m_key, m_edit.AnswerText());
    HandTurnBack();
}
