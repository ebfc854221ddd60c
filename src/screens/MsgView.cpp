#include "MsgView.h"

#include "ExchangeFrames.h"
#include "MainFrame.h"
#include "MsgFrames.h"
#include "RepairInfoView.h"
#include "SharedFonts.h"
#include "StringResources.h"
#include "TextBlock.h"
#include "TextConversion.h"

namespace {

constexpr int kScrollLine = 20;

CBmpBtn* KeyButton(size_t index)
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->ButtonBar().GetButton(CMsgView::kFirstKeyId + static_cast<int>(index)) : nullptr;
}

}  // namespace

CMsgView::CMsgView() : CDiagView(kViewId), m_childBrush(CreateSolidBrush(RGB(208, 230, 241))) {}

void CMsgView::OnShowView()
{
    CDiagView::OnShowView();
    for (int id : {3003, 3002, 3005, 3004, 3001})
        SetButtonState(id, false);
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    for (size_t i = 0; i < CMessageKeys::kKeyCount; ++i)
        bar.AddButton(kFirstKeyId + static_cast<int>(i), true);
    for (int id : {3021, 3022, 3023})
        bar.AddButton(id, false);
    for (size_t i = 0; i < CMessageKeys::kKeyCount; ++i) {
        if (CBmpBtn* button = KeyButton(i)) {
            m_keyRects[i] = button->WindowRect();
            MapWindowPoints(nullptr, bar.Handle(), reinterpret_cast<POINT*>(&m_keyRects[i]), 2);
        }
    }
}

void CMsgView::ShowRequest()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    const MESSAGE_REQUEST request = ParseMessageRequest(*block);
    for (size_t i = 0; i < CMessageKeys::kKeyCount; ++i) {
        if (CBmpBtn* button = KeyButton(i))
            button->Enable(true);
    }
    const std::optional<uint8_t> answerAtOnce = m_keys.Setup(request.typeWord);
    ApplyKeys();
    SetMessage(request.text);
    ShowTitle(request.title);
    Invalidate();
    if (answerAtOnce) {
        m_nKey = *answerAtOnce;
        SendAnswer();
    }
}

// The keys in use sit side by side in the middle of the row, in key order.
void CMsgView::ApplyKeys()
{
    CMainFrame* frame = CMainFrame::Instance();
    if (!frame)
        return;
    CButtonBar& bar = frame->ButtonBar();
    const auto& keys = m_keys.Keys();
    int used = 0;
    for (const MESSAGE_KEY& key : keys)
        used += key.shown ? 1 : 0;
    const int width = m_keyRects[0].right - m_keyRects[0].left;
    const int height = m_keyRects[0].bottom - m_keyRects[0].top;
    const int gap = width / 4;
    const int firstX = (bar.ClientRect().right - used * width - (used - 1) * gap) / 2;
    for (size_t i = 0; i < keys.size(); ++i) {
        CBmpBtn* button = KeyButton(i);
        if (!button)
            continue;
        if (!keys[i].shown) {
            button->Show(SW_HIDE);
            continue;
        }
        bar.SetButtonText(kFirstKeyId + static_cast<int>(i), ResGetStringOr(keys[i].textId, keys[i].english));
        button->Move(firstX + static_cast<int>(i) * (width + gap), m_keyRects[0].top, width, height);
        button->Show(SW_SHOW);
        button->Invalidate();
    }
}

void CMsgView::SetMessage(const std::string& text)
{
    m_strMessage = ToCrLfLines(DiagTextToWide(text));
    UpdateScrollRange();
    ScrollTo(0);
}

void CMsgView::ShowTitle(const std::string& title)
{
    std::wstring shown = DiagTextToWide(title);
    if (shown.empty())
        shown = ResGetStringOr(0x10000D13, L"Prompt message");
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->TitleBar().ShowTitle(shown);
}

void CMsgView::PressKey(size_t index)
{
    if (index == 0) {
        if (CBmpBtn* button = KeyButton(0))
            button->Enable(false);  // until the next request: one press, one answer
    }
    const MESSAGE_KEY_PRESS press = m_keys.Press(index);
    switch (press.action) {
    case MESSAGE_KEY_ACTION::Answer:
        if (!HoldsTurn())
            break;
        if (CMainFrame* frame = CMainFrame::Instance(); frame && press.restorePath)
            frame->RepairInfoView().RestorePath();
        m_nKey = press.code;
        SendAnswer();
        break;
    case MESSAGE_KEY_ACTION::Help:
        OnHelp();
        break;
    case MESSAGE_KEY_ACTION::Print:
        OnPrint();
        break;
    case MESSAGE_KEY_ACTION::None:
        break;
    }
    CDiagView::OnBack();
}

void CMsgView::SendAnswer()
{
    if (const auto block = AnswerBlock()) {
        WriteKeyAnswer(*block, static_cast<uint8_t>(m_nKey));
        HandTurnBack();
    }
}

void CMsgView::UpdateScrollRange()
{
    const RECT client = ClientRect();
    {
        CClientDc dc(Handle());
        CSelectObject font(dc.Get(), NormalFont());
        m_scrollHeight = MeasureTextBlock(dc.Get(), m_strMessage, client.right - client.left).cy;
    }
    SCROLLINFO info = {sizeof(info), SIF_RANGE | SIF_PAGE, 0, std::max(m_scrollHeight - 1, 0),
                       static_cast<UINT>(client.bottom - client.top), 0, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void CMsgView::ScrollTo(int position)
{
    const int page = ClientRect().bottom;
    m_scrollPos = std::clamp(position, 0, std::max(m_scrollHeight - page, 0));
    SetScrollPos(Handle(), SB_VERT, m_scrollPos, TRUE);
    Invalidate();
}

void CMsgView::OnVScroll(int request)
{
    const int page = ClientRect().bottom;
    switch (request) {
    case SB_LINEUP: ScrollTo(m_scrollPos - kScrollLine); break;
    case SB_LINEDOWN: ScrollTo(m_scrollPos + kScrollLine); break;
    case SB_PAGEUP: ScrollTo(m_scrollPos - page); break;
    case SB_PAGEDOWN: ScrollTo(m_scrollPos + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info = {sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), SB_VERT, &info);
        ScrollTo(info.nTrackPos);
        break;
    }
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(m_scrollHeight); break;
    default: break;
    }
}

bool CMsgView::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_VSCROLL)
        return false;
    OnVScroll(LOWORD(wParam));
    result = 0;
    return true;
}

bool CMsgView::OnPaint()
{
    CPaintDc paint(Handle());
    const HDC dc = paint.Get();
    const RECT client = ClientRect();
    OnEraseBkgnd(dc);
    CSelectObject font(dc, NormalFont());
    DrawTextBlock(dc, m_strMessage, client, m_scrollPos);
    return true;
}

HBRUSH CMsgView::OnCtlColor(HDC dc, HWND, UINT)
{
    SetBkMode(dc, TRANSPARENT);
    return m_childBrush.Get();
}
