#include "ReplaygifView.h"

#include <commctrl.h>

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "DataRecordView.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "SharedFonts.h"
#include "StringResources.h"

namespace {

constexpr int kListId = 1115;
constexpr int kWaitingId = 3012;
constexpr int kListWidth = 340;
constexpr int kRecordPage = 493;
constexpr int kEdgeBitmap = 472;
constexpr UINT_PTR kOpenTimer = 1;
constexpr UINT kOpenAfterDoubleClickMs = 200;
constexpr UINT kOpenAfterStepMs = 30;

std::wstring ItemText(HWND list, int index)
{
    wchar_t text[MAX_PATH] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = static_cast<int>(std::size(text));
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

CReplaygifView::CReplaygifView() : CFormViewEx(kViewId) {}

CReplaygifView::~CReplaygifView() = default;

void CReplaygifView::OnShowView()
{
    CFormViewEx::OnShowView();
    ShowRecordingPageBars(*this, ResGetStringOr(0x20000172, L"Screen recordings"));
    MakeWaitingLabel();
    MakeList();
    ClosePlayer();
    SetFocus(m_list);
}

void CReplaygifView::MakeWaitingLabel()
{
    if (m_waiting)
        DestroyWindow(m_waiting);
    const RECT client = ClientRect();
    const std::wstring text = ResGetLanguageCode() == L"CN" ? L"\u8BF7\u7B49\u5F85......" : L"Please waiting...";
    m_waiting = CreateWindowW(L"STATIC", text.c_str(), WS_CHILD | SS_CENTER, (client.right - 300) / 2,
                              (client.bottom - 40) / 2, 300, 40, Handle(), reinterpret_cast<HMENU>(kWaitingId),
                              nullptr, nullptr);
}

void CReplaygifView::MakeList()
{
    if (m_list)
        DestroyWindow(m_list);
    const RECT client = ClientRect();
    m_list = CreateWindowW(WC_LISTVIEWW, L"",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                               LVS_SORTDESCENDING,
                           0, 0, kListWidth, client.bottom, Handle(), reinterpret_cast<HMENU>(kListId), nullptr,
                           nullptr);
    if (!m_list)
        return;
    if (NormalFont())
        SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
    std::wstring title = ResGetString(0x20000172);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kListWidth;
    column.pszText = title.data();
    SendMessageW(m_list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (const std::wstring& name : m_recordings) {
        std::wstring text = name;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = text.data();
        SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CReplaygifView::ClosePlayer()
{
    if (m_player)
        m_player->Destroy();
    m_player.reset();
}

void CReplaygifView::OpenPlayer(int index)
{
    const int count = m_list ? static_cast<int>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    if (index < 0 || index >= count)
        return;  // a stale or absent choice opens nothing
    m_chosen = index;
    ClosePlayer();
    auto player = std::make_unique<CReplaygifDlg>(Handle(), ItemText(m_list, index) + L".gif", index != 0,
                                                  index != count - 1);
    if (!player->CreateModeless())
        return;
    player->Move(ClientRect());
    player->Show(SW_SHOW);
    m_player = std::move(player);
    ShowWindow(m_waiting, SW_HIDE);
    ShowWindow(m_list, SW_HIDE);
    SetFocus(m_list);
}

void CReplaygifView::ChooseAndWait(int index, UINT waitMs)
{
    if (m_player)
        m_player->Show(SW_HIDE);
    ShowWindow(m_list, SW_HIDE);
    ShowWindow(m_waiting, SW_SHOW);
    ListView_SetItemState(m_list, m_chosen, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_chosen = index;
    ListView_SetItemState(m_list, m_chosen, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(m_list, m_chosen, FALSE);
    SetTimer(Handle(), kOpenTimer, waitMs, nullptr);
    Invalidate();
}

void CReplaygifView::BackToList()
{
    ShowWindow(m_list, SW_SHOW);
    if (m_player)
        m_player->Show(SW_HIDE);
    ShowWindow(m_waiting, SW_HIDE);
    Invalidate();
}

bool CReplaygifView::OnTimer(UINT_PTR id)
{
    if (id != kOpenTimer)
        return false;
    KillTimer(Handle(), kOpenTimer);
    OpenPlayer(m_chosen);
    return true;
}

bool CReplaygifView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (!header || header->hwndFrom != m_list || header->code != NM_DBLCLK)
            return false;
        const int mark = ListView_GetSelectionMark(m_list);
        if (mark >= 0)
            ChooseAndWait(mark, kOpenAfterDoubleClickMs);
        result = 0;
        return true;
    }
    if (message != CReplaygifDlg::kPlayerMessage)
        return false;
    if (wParam == 1)
        BackToList();
    else if (wParam == 2 && m_chosen > 0)
        ChooseAndWait(m_chosen - 1, kOpenAfterStepMs);
    else if (wParam == 3 && m_chosen + 1 < ListView_GetItemCount(m_list))
        ChooseAndWait(m_chosen + 1, kOpenAfterStepMs);
    result = 0;
    return true;
}

bool CReplaygifView::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!m_edge)
        m_edge.Reset(LoadProgramBitmap(kEdgeBitmap));
    if (!m_edge)
        return true;
    const SIZE image = BitmapSize(m_edge.Get());
    std::vector<STRETCH_PIECE> pieces = {{0, 0, image.cx, image.cy, client.right - 2, 0, image.cx, client.bottom}};
    if (m_list && IsWindowVisible(m_list))  // the strip closes the list off from the empty page
        pieces.push_back({0, 0, image.cx, image.cy, kListWidth, 0, image.cx, client.bottom});
    DrawPieces(paint.Get(), m_edge.Get(), pieces);
    return true;
}

HBRUSH CReplaygifView::OnCtlColor(HDC dc, HWND control, UINT message)
{
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORLISTBOX)
        return CFormViewEx::OnCtlColor(dc, control, message);
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void CReplaygifView::OnBack()
{
    if (CMainFrame* frame = CMainFrame::Instance())
        frame->SwitchView(kRecordPage, SW_SHOW);
}

void CReplaygifView::OnDestroy()
{
    ClosePlayer();
    CFormViewEx::OnDestroy();
}
