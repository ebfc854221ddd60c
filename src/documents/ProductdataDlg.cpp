#include "ProductdataDlg.h"

#include <commctrl.h>

#include "ProcessValues.h"
#include "ScopedWin.h"
#include "SharedFonts.h"

namespace {

constexpr DWORD kListStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SORTDESCENDING;
constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                             TVS_LINESATROOT | TVS_DISABLEDRAGDROP;
static_assert(kListStyle == 0x50A00029 && kTreeStyle == 0x50810017);

std::wstring ItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[256] = {};
    TVITEMW data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = 255;
    TreeView_GetItem(tree, &data);
    return text;
}

HMENU ChildId(int id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

void CProductdataDlg::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

bool CProductdataDlg::OnInitDialog()
{
    CreateLists();
    ScanFiles();
    BuildTree();
    FillLists();
    HideLists();
    return true;
}

void CProductdataDlg::CreateLists()
{
    for (size_t i = 0; i < m_lists.size(); ++i) {
        m_lists[i] = CreateWindowExW(0, WC_LISTVIEWW, L"", kListStyle, 320, 10, 300, m_height - 20, Handle(),
                                     ChildId(kFirstListId + static_cast<int>(i)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(m_lists[i], WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = 300;
        column.pszText = const_cast<wchar_t*>(CProductdataScan::Kinds()[i].text);
        ListView_InsertColumn(m_lists[i], 0, &column);
    }
}

void CProductdataDlg::ScanFiles()
{
    m_entries = CProductdataScan::Scan(std::filesystem::path(ResGetAppDir()), ResGetLanguageCode());
}

// The root is always there; a kind without entries, and the one kept out of the tree, get no node.
void CProductdataDlg::BuildTree()
{
    m_tree = CreateWindowExW(0, WC_TREEVIEWW, L"", kTreeStyle, 10, 10, 290, m_height - 20, Handle(), ChildId(kTreeId),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_tree, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
    TreeView_SetItemHeight(m_tree, 32);
    TreeView_SetBkColor(m_tree, RGB(255, 255, 255));
    TVINSERTSTRUCTW insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(L"功能");
    HTREEITEM root = TreeView_InsertItem(m_tree, &insert);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].empty() || !CProductdataScan::Kinds()[i].inTree)
            continue;
        insert.hParent = root;
        insert.item.pszText = const_cast<wchar_t*>(CProductdataScan::Kinds()[i].text);
        TreeView_InsertItem(m_tree, &insert);
        TreeView_Expand(m_tree, root, TVE_EXPAND);
    }
}

// The list control itself keeps the rows in descending order of their text.
void CProductdataDlg::FillLists()
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        for (const DocumentEntry& entry : m_entries[i]) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = ListView_GetItemCount(m_lists[i]);
            item.pszText = const_cast<wchar_t*>(entry.strFileName.c_str());
            ListView_InsertItem(m_lists[i], &item);
        }
}

void CProductdataDlg::HideLists()
{
    for (HWND list : m_lists)
        ShowWindow(list, SW_HIDE);
}

void CProductdataDlg::ShowKind(const std::wstring& text)
{
    HideLists();
    for (size_t i = 0; i < m_lists.size(); ++i)
        if (text == CProductdataScan::Kinds()[i].text) {
            ShowWindow(m_lists[i], SW_SHOW);
            m_currentKind = static_cast<int>(i);
        }
}

void CProductdataDlg::OnTreeSelChanged(const NMTREEVIEWW& change)
{
    HTREEITEM item = change.itemNew.hItem;
    if (!item || TreeView_GetChild(m_tree, item))
        return;
    ShowKind(ItemText(m_tree, item));
}

// A press on an item's icon, label or state icon selects it before the tree handles the press.
void CProductdataDlg::SelectItemUnder(LPARAM position)
{
    TVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    MapWindowPoints(Handle(), m_tree, &hit.pt, 1);
    HTREEITEM item = TreeView_HitTest(m_tree, &hit);
    if (item && (hit.flags & TVHT_ONITEM))
        TreeView_SelectItem(m_tree, item);
}

bool CProductdataDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result)
{
    if (message == WM_LBUTTONDOWN) {
        SelectItemUnder(lParam);
        return false;
    }
    if (message != WM_NOTIFY)
        return false;
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    result = 0;
    if (header.code == NM_CLICK && header.idFrom >= 3012 && header.idFrom <= 3019)
        return true;  // a row opens nothing
    if (header.idFrom == kTreeId && header.code == TVN_SELCHANGEDW) {
        OnTreeSelChanged(*reinterpret_cast<const NMTREEVIEWW*>(lParam));
        return true;
    }
    return false;
}

bool CProductdataDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
}

HBRUSH CProductdataDlg::OnCtlColor(HDC dc, HWND /*control*/, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
