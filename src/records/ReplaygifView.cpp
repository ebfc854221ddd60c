#include "ReplaygifView.h"

#include <commctrl.h>

#include <algorithm>

#include "BarDrawing.h"
#include "BmpBtn.h"
#include "DataRecordView.h"
#include "ListRowText.h"
#include "MainFrame.h"
#include "ProcessValues.h"
#include "SharedFonts.h"
#include "StringResources.h"

namespace {

constexpr int kListId = 1115;
constexpr int kRecordingMark = 487;
constexpr int kMarkCellWidth = 40;
constexpr COLORREF kMarkMask = 0x78FF;
constexpr COLORREF kChosenRow = 0x7DFA;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                             LVS_SORTDESCENDING | LVS_OWNERDRAWFIXED;
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

// The rows' small images: the recording mark in a cell 40 pixels wide, the rest of the cell in the
// mask colour so that the row's own fill shows around it. The list control owns the result.
HIMAGELIST MakeRecordingImages()
{
    CScopedBitmap mark(LoadProgramBitmap(kRecordingMark));
    if (!mark)
        return nullptr;
    const SIZE size = BitmapSize(mark.Get());
    CClientDc screen(nullptr);
    CScopedBitmap cell(CreateCompatibleBitmap(screen.Get(), kMarkCellWidth, size.cy));
    HIMAGELIST images = cell ? ImageList_Create(kMarkCellWidth, size.cy, ILC_COLOR24 | ILC_MASK, 1, 1) : nullptr;
    if (!images)
        return nullptr;
    {
        CMemoryDc target(screen.Get());
        CSelectObject selectCell(target.Get(), cell.Get());
        CScopedBrush mask(CreateSolidBrush(kMarkMask));
        const RECT whole = {0, 0, kMarkCellWidth, size.cy};
        FillRect(target.Get(), &whole, mask.Get());
        DrawImage(target.Get(), mark.Get(), 0, 0);
    }
    ImageList_AddMasked(images, cell.Get(), kMarkMask);
    return images;
}

// The list draws its rows itself, and a list that does is not bound to keep them sorted: they are
// put in descending order here.
std::vector<std::wstring> NewestFirst(std::vector<std::wstring> names)
{
    std::stable_sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return lstrcmpiW(a.c_str(), b.c_str()) > 0;
    });
    return names;
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
    m_list = CreateWindowW(WC_LISTVIEWW, L"", kListStyle, 0, 0, kListWidth, client.bottom, Handle(),
                           reinterpret_cast<HMENU>(kListId), nullptr, nullptr);
    if (!m_list)
        return;
    if (NormalFont())
        SendMessageW(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
    ListView_SetImageList(m_list, MakeRecordingImages(), LVSIL_SMALL);
    std::wstring title = ResGetString(0x20000172);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kListWidth;
    column.pszText = title.data();
    ListView_InsertColumn(m_list, 0, &column);
    for (std::wstring& name : NewestFirst(m_recordings)) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = ListView_GetItemCount(m_list);
        item.pszText = name.data();
        item.iImage = 0;
        ListView_InsertItem(m_list, &item);
    }
}

// A row: the chosen one (or the focused one while the list has the focus) in the program's orange,
// the others white; the mark at its left and each column's text a little inside its cell.
void CReplaygifView::DrawListRow(const DRAWITEMSTRUCT& item) const
{
    const UINT state = ListView_GetItemState(item.hwndItem, item.itemID, LVIS_SELECTED | LVIS_FOCUSED);
    const bool listFocused = GetFocus() == item.hwndItem;
    const bool chosen = (state & LVIS_SELECTED) || ((state & LVIS_FOCUSED) && listFocused);
    CScopedBrush fill(CreateSolidBrush(chosen ? kChosenRow : RGB(255, 255, 255)));
    FillRect(item.hDC, &item.rcItem, fill.Get());
    RECT icon = {};
    if (HIMAGELIST images = ListView_GetImageList(item.hwndItem, LVSIL_SMALL);
        images && ListView_GetItemRect(item.hwndItem, item.itemID, &icon, LVIR_ICON))
        ImageList_Draw(images, 0, item.hDC, icon.left, icon.top, ILD_TRANSPARENT);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    DrawListRowTexts(item);
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
    const RECT client = ClientRect();
    auto player = std::make_unique<CReplaygifDlg>(Handle(), ItemText(m_list, index) + L".gif", index != 0,
                                                  index != count - 1, SIZE{client.right, client.bottom});
    if (!player->CreateModeless())
        return;
    player->Move(client);
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
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!item || item->CtlType != ODT_LISTVIEW || item->hwndItem != m_list)
            return false;
        DrawListRow(*item);
        result = TRUE;
        return true;
    }
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
