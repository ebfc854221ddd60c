#include "BarView.h"

#include "ExchangeFrames.h"
#include "MainFrame.h"
#include "MsgFrames.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "TextBlock.h"
#include "TextConversion.h"
#include "resource.h"

namespace {

constexpr int kBarHeight = 60;

}  // namespace

bool CBarView::OnInitDialog()
{
    m_progress.Subclass(Item(IDC_BAR_PROGRESS));
    return CDiagView::OnInitDialog();
}

void CBarView::OnShowView()
{
    CDiagView::OnShowView();
    for (int id : {3003, 3002, 3005, 3004, 3001})
        SetButtonState(id, false);
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->ButtonBar().AddButton(IDCANCEL, true);
    if (!m_placed) {
        m_placed = true;
        const RECT client = ClientRect();
        m_progress.Move(0, client.bottom - kBarHeight, client.right, kBarHeight);
    }
    Invalidate();
}

void CBarView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    const PROGRESS_REQUEST request = ParseProgressRequest(*block);
    // The answer is the last key alone: it is given first, so a program that does not wait for its
    // message to be handled goes on at once.
    SendAnswer();
    m_nKey = kNoKey;
    const WideBuffer wide = Utf8ToWide(request.text.c_str());
    const std::wstring text = wide ? wide.get() : L"";
    if (!text.empty() && text != m_strMessage) {
        // The message and the bar under it are repainted together.
        m_strMessage = text;
        m_progress.SetPosRepaintedByParent(request.position);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    } else {
        m_progress.SetPos(request.position);
    }
    if (request.textIsTitle) {
        m_strTitle = text;
        SetText(text);
    } else {
        m_strTitle = ResGetString(0x10000027);
        if (m_strTitle.empty())
            m_strTitle = L"Progress bar";
    }
    ShowTitle();
}

void CBarView::SendAnswer()
{
    if (const auto block = AnswerBlock()) {
        WriteKeyAnswer(*block, static_cast<uint8_t>(m_nKey));
        HandTurnBack();
    }
}

void CBarView::ShowTitle()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(m_strTitle);
}

bool CBarView::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    RECT above = ClientRect();
    above.bottom = std::max(above.top, above.bottom - kBarHeight);
    CSelectObject font(dc, NormalFont());
    DrawTextBlock(dc, m_strMessage, above);
    return true;
}
