#include "PictureView.h"

#include "ButtonBar.h"
#include "ExchangeFrames.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "StringResources.h"
#include "TextConversion.h"
#include "VehicleDataPaths.h"
#include "resource.h"

namespace {

constexpr uint32_t kDefaultTitle = 0x10000280;
constexpr int kAreaMargin = 10;
constexpr int kKeyColumn = 110;  // room the area leaves on the right while keys can answer
constexpr UINT kBlinkPeriodMs = 1000;
constexpr int kFirstKeyCommand = 4000;

CBmpBtn* KeyButton(size_t index)
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame ? frame->ButtonBar().GetButton(CPictureView::kFirstKeyId + static_cast<int>(index)) : nullptr;
}

void FillBlack(HDC dc, const RECT& rect)
{
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace

CPictureView::CPictureView() : CDiagView(kViewId) {}

HWND CPictureView::PictureArea() const
{
    return Item(IDC_PICTURE_AREA);
}

void CPictureView::OnShowView()
{
    CDiagView::OnShowView();
    if (CMainFrame* frame = CMainFrame::Instance()) {
        CButtonBar& bar = frame->ButtonBar();
        for (size_t i = 0; i < CMessageKeys::kKeyCount; ++i)
            bar.AddButton(kFirstKeyId + static_cast<int>(i), true);
        for (int id : {3021, 3022})
            bar.AddButton(id, false);
    }
    m_answerCode = 0;
    ShowWindow(PictureArea(), SW_HIDE);
    PlaceArea(false);
    if (!m_builtOnce) {
        m_builtOnce = true;
        BuildScreen();
    }
}

void CPictureView::ShowRequest()
{
    BuildScreen();
}

void CPictureView::BuildScreen()
{
    const auto block = RequestBlock();
    if (!block)
        return;
    const PICTURE_REQUEST request = ParsePictureRequest(*block);
    const std::optional<uint8_t> answerAtOnce = m_keys.Setup(request.typeWord);
    ApplyKeys();
    LoadPicture(request.fileName);
    ShowTitle(request.title);
    PlaceArea(m_keys.BoxType() == 0);
    RECT client = {};
    GetClientRect(PictureArea(), &client);
    m_markers = PlaceMarkers(request.markers, client.right, client.bottom);
    DrawArea();
    SetTimer(Handle(), kBlinkTimer, kBlinkPeriodMs, nullptr);
    if (answerAtOnce) {
        // No key can answer (box type 0, or one this screen does not know): the program learns so at
        // once instead of waiting for ever; the picture and its markers stay.
        m_answerCode = *answerAtOnce;
        SendAnswer();
    }
}

void CPictureView::ApplyKeys()
{
    const auto& keys = m_keys.Keys();
    for (size_t i = 0; i < keys.size(); ++i) {
        CBmpBtn* button = KeyButton(i);
        if (!button)
            continue;
        if (!keys[i].shown) {
            button->Show(SW_HIDE);
            continue;
        }
        if (CMainFrame* frame = CMainFrame::Instance())
            frame->ButtonBar().SetButtonText(kFirstKeyId + static_cast<int>(i), ResGetStringOr(keys[i].textId, keys[i].english));
        button->Enable(true);
        button->Show(SW_SHOW);
    }
    if (keys[0].shown) {
        if (CBmpBtn* first = KeyButton(0))
            SetFocus(first->Handle());
    }
}

// The same file named again keeps the picture already loaded.
void CPictureView::LoadPicture(const std::string& fileName)
{
    const std::wstring name = DiagTextToWide(fileName);
    const std::wstring path = ResGetSoftwareDir() + name;
    if (path == m_strPicturePath)
        return;
    m_strPicturePath = path;
    // A name that climbs out of the software folder names no picture of the maker's.
    const bool loaded = IsPathInsideFolder(name) && m_pictureFile.LoadBmpFile(path);
    m_hPicture = loaded ? m_pictureFile.Handle() : nullptr;
}

void CPictureView::ShowTitle(const std::string& title)
{
    std::wstring shown = DiagTextToWide(title);
    if (shown.empty())
        shown = ResGetStringOr(kDefaultTitle, L"Display picture");
    SetText(shown);
}

void CPictureView::PlaceArea(bool wide)
{
    const RECT client = ClientRect();
    const int width = client.right - client.left - (wide ? 2 * kAreaMargin : kKeyColumn);
    MoveWindow(PictureArea(), client.left + kAreaMargin, client.top + kAreaMargin, std::max(width, 0),
               std::max<int>(client.bottom - client.top - 2 * kAreaMargin, 0), TRUE);
}

// The picture 1:1 from its top-left corner on black, and while the blink is on a white square on
// every marker; kept as one bitmap that the area's repaints copy.
void CPictureView::DrawArea()
{
    const HWND area = PictureArea();
    RECT client = {};
    GetClientRect(area, &client);
    CClientDc screen(area);
    CMemoryDc memory(screen.Get());
    m_areaImage.Reset(CreateCompatibleBitmap(screen.Get(), std::max<int>(client.right, 1), std::max<int>(client.bottom, 1)));
    {
        CSelectObject image(memory.Get(), m_areaImage.Get());
        FillBlack(memory.Get(), client);
        if (m_hPicture) {
            CMemoryDc source(screen.Get());
            CSelectObject picture(source.Get(), m_hPicture);
            BITMAP info = {};
            GetObjectW(m_hPicture, sizeof(info), &info);
            BitBlt(memory.Get(), 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
        }
        if (m_blinkOn) {
            const int reach = picture::kMarkerReach;
            for (const PICTURE_POINT& point : m_markers) {
                const RECT square = {point.x - reach, point.y - reach, point.x + reach, point.y + reach};
                FillRect(memory.Get(), &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            }
        }
    }
    InvalidateRect(area, nullptr, FALSE);
    ShowWindow(area, SW_SHOW);
    UpdateWindow(area);
}

bool CPictureView::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (!item || item->hwndItem != PictureArea())
        return false;
    const RECT& rect = item->rcItem;
    if (m_areaImage) {
        CMemoryDc memory(item->hDC);
        CSelectObject image(memory.Get(), m_areaImage.Get());
        BitBlt(item->hDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory.Get(), rect.left,
               rect.top, SRCCOPY);
    } else {
        FillBlack(item->hDC, rect);
    }
    result = TRUE;
    return true;
}

bool CPictureView::OnTimer(UINT_PTR id)
{
    if (id != kBlinkTimer)
        return false;
    m_blinkOn = !m_blinkOn;
    DrawArea();
    return true;
}

void CPictureView::OnBack()
{
    KillTimer(Handle(), kBlinkTimer);
    CDiagView::OnBack();
}

void CPictureView::PressKey(size_t index)
{
    const MESSAGE_KEY_PRESS press = m_keys.Press(index);
    switch (press.action) {
    case MESSAGE_KEY_ACTION::Answer:
        // The key's own code, as on the message screen: a marker chosen earlier must not make Yes
        // and No read alike.
        Answer(press.code);
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

void CPictureView::Answer(uint8_t code)
{
    if (!HoldsTurn())
        return;
    m_answerCode = code;
    SendAnswer();
}

void CPictureView::SendAnswer()
{
    if (const auto block = AnswerBlock()) {
        WriteKeyAnswer(*block, m_answerCode);
        HandTurnBack();
    }
}

bool CPictureView::HandlesCommand(int commandId) const
{
    return (commandId >= kFirstKeyCommand && commandId < kFirstKeyCommand + static_cast<int>(CMessageKeys::kKeyCount)) ||
           CDiagView::HandlesCommand(commandId);
}

bool CPictureView::OnCommand(int id, int code, HWND control)
{
    if (id == IDC_PICTURE_AREA) {
        if (code == STN_CLICKED)
            SetCapture(Handle());  // so that the release reaches the view
        return true;
    }
    if (id >= kFirstKeyCommand && id < kFirstKeyCommand + static_cast<int>(CMessageKeys::kKeyCount) &&
        (code == 0 || code == 1)) {
        PressKey(static_cast<size_t>(id - kFirstKeyCommand));
        return true;
    }
    return CDiagView::OnCommand(id, code, control);
}

bool CPictureView::OnLButtonUp(UINT, POINT point)
{
    const HWND area = PictureArea();
    MapWindowPoints(Handle(), area, &point, 1);
    const std::optional<size_t> hit = HitMarker(m_markers, {point.x, point.y});
    if (hit)
        m_selectedMarker = static_cast<uint8_t>(*hit);
    if (GetCapture() == Handle())
        ReleaseCapture();
    if (hit)
        Answer(static_cast<uint8_t>(*hit | picture::kMarkerAnswer));
    return false;
}
