#include "DocumentPanelDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "ListRowText.h"
#include "MainFrame.h"
#include "ManualView.h"
#include "PdfReader.h"
#include "ScopedWin.h"
#include "SharedFonts.h"

namespace {

constexpr int kTreeWidth = 320;
constexpr COLORREF kHighlight = RGB(250, 125, 0);
constexpr COLORREF kRowLine = RGB(1, 67, 101);
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_SHOWSELALWAYS |
                             LVS_SORTDESCENDING | LVS_OWNERDRAWFIXED;
constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                             TVS_DISABLEDRAGDROP;

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

}  // namespace

void CDocumentPanelDlg::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

bool CDocumentPanelDlg::OnInitDialog()
{
    CreateLists();
    ScanDocuments();
    BuildTree();
    FillLists();
    HideLists();
    return true;
}

void CDocumentPanelDlg::CreateLists()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (size_t i = 0; i < m_groups.size(); ++i) {
        DOCUMENT_GROUP& group = m_groups[i];
        group.hList = CreateWindowExW(0, WC_LISTVIEWW, L"", kListStyle, kTreeWidth, 0, m_width - kTreeWidth, m_height,
                                      Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_firstListId + i)),
                                      instance, nullptr);
        SendMessageW(group.hList, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
        ListView_SetImageList(group.hList, MakeSmallImages(), LVSIL_SMALL);
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = ColumnFormat();
        column.cx = ColumnWidth();
        column.pszText = const_cast<wchar_t*>(group.strHeading.c_str());
        ListView_InsertColumn(group.hList, 0, &column);
    }
}

HTREEITEM CDocumentPanelDlg::RootItem(const std::wstring& text,
                                      std::vector<std::pair<std::wstring, HTREEITEM>>& roots)
{
    for (const auto& [name, item] : roots)
        if (name == text)
            return item;
    TVINSERTSTRUCTW insert = {};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    HTREEITEM item = TreeView_InsertItem(m_tree, &insert);
    roots.emplace_back(text, item);
    return item;
}

// Every root is there even when none of its groups has a document.
void CDocumentPanelDlg::BuildTree()
{
    m_tree = CreateWindowExW(0, WC_TREEVIEWW, L"", kTreeStyle, 0, 0, kTreeWidth, m_height, Handle(),
                             reinterpret_cast<HMENU>(kTreeId), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_tree, WM_SETFONT, reinterpret_cast<WPARAM>(NormalFont()), FALSE);
    TreeView_SetItemHeight(m_tree, 32);
    TreeView_SetBkColor(m_tree, RGB(255, 255, 255));
    std::vector<std::pair<std::wstring, HTREEITEM>> roots;
    for (const DOCUMENT_GROUP& group : m_groups) {
        HTREEITEM root = RootItem(group.strRoot, roots);
        if (group.entries.empty())
            continue;
        TVINSERTSTRUCTW insert = {};
        insert.hParent = root;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(group.strHeading.c_str());
        TreeView_InsertItem(m_tree, &insert);
        TreeView_Expand(m_tree, root, TVE_EXPAND);
    }
}

// The rows are put in descending order here: a list control that draws its own rows is not
// bound to sort them.
void CDocumentPanelDlg::FillLists()
{
    for (const DOCUMENT_GROUP& group : m_groups) {
        std::vector<std::wstring> names;
        for (const DocumentEntry& entry : group.entries)
            names.push_back(entry.strName);
        std::stable_sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
            return lstrcmpiW(a.c_str(), b.c_str()) > 0;
        });
        for (const std::wstring& name : names) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = ListView_GetItemCount(group.hList);
            item.pszText = const_cast<wchar_t*>(name.c_str());
            ListView_InsertItem(group.hList, &item);
        }
    }
}

void CDocumentPanelDlg::HideLists()
{
    for (const DOCUMENT_GROUP& group : m_groups)
        ShowWindow(group.hList, SW_HIDE);
}

void CDocumentPanelDlg::ShowGroup(const std::wstring& heading)
{
    HideLists();
    for (size_t i = 0; i < m_groups.size(); ++i)
        if (m_groups[i].strHeading == heading) {
            ShowWindow(m_groups[i].hList, SW_SHOW);
            m_currentGroup = static_cast<int>(i);
        }
}

void CDocumentPanelDlg::OnTreeSelChanged(const NMTREEVIEWW& change)
{
    HTREEITEM item = change.itemNew.hItem;
    if (!item || TreeView_GetChild(m_tree, item))
        return;
    ShowGroup(ItemText(m_tree, item));
}

void CDocumentPanelDlg::OpenDocument(int listId)
{
    const int index = listId - m_firstListId;
    if (index < 0 || index >= static_cast<int>(m_groups.size()))
        return;
    const DOCUMENT_GROUP& group = m_groups[static_cast<size_t>(index)];
    const int row = ListView_GetSelectionMark(group.hList);
    if (row < 0)
        return;
    wchar_t name[MAX_PATH] = {};
    ListView_GetItemText(group.hList, row, 0, name, MAX_PATH);
    for (const DocumentEntry& entry : group.entries) {
        if (entry.strName != name)
            continue;
        if (!OpenDocumentInReader(entry.strPath, g_hManualReader, Handle()))
            return;
        if (auto* manual = CMainFrame::Instance() ? CMainFrame::Instance()->View(CManualView::kViewId) : nullptr)
            static_cast<CManualView*>(manual)->OpenReaderHost();
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
}

LRESULT CDocumentPanelDlg::OnTreeCustomDraw(const NMTVCUSTOMDRAW& draw) const
{
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_SELECTED)) {
        auto& colours = const_cast<NMTVCUSTOMDRAW&>(draw);
        colours.clrText = RGB(255, 255, 255);
        colours.clrTextBk = kHighlight;
    }
    return CDRF_DODEFAULT;
}

// Rows are drawn by hand: the selection in the program's orange, a rule under every row.
void CDocumentPanelDlg::OnDrawItem(const DRAWITEMSTRUCT& item) const
{
    const UINT state = ListView_GetItemState(item.hwndItem, item.itemID, LVIS_SELECTED | LVIS_DROPHILITED);
    const bool highlighted = (state & (LVIS_SELECTED | LVIS_DROPHILITED)) != 0;
    CScopedBrush fill(CreateSolidBrush(highlighted ? kHighlight : RGB(255, 255, 255)));
    FillRect(item.hDC, &item.rcItem, fill.Get());
    {
        CScopedPen rule(CreatePen(PS_SOLID, 1, kRowLine));
        CSelectObject pen(item.hDC, rule.Get());
        MoveToEx(item.hDC, item.rcItem.left, item.rcItem.bottom - 1, nullptr);
        LineTo(item.hDC, item.rcItem.right, item.rcItem.bottom - 1);
    }
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    if (!(item.itemAction & ODA_DRAWENTIRE))
        return;
    DrawListRowTexts(item);
}

bool CDocumentPanelDlg::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_LISTVIEW)
            return false;
        OnDrawItem(item);
        result = TRUE;
        return true;
    }
    if (message != WM_NOTIFY)
        return false;
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    result = 0;
    if (header.code == NM_CLICK && header.idFrom >= 3012 && header.idFrom <= 3019)
        OpenDocument(static_cast<int>(header.idFrom));
    else if (header.idFrom == kTreeId && header.code == TVN_SELCHANGEDW)
        OnTreeSelChanged(*reinterpret_cast<const NMTREEVIEWW*>(lParam));
    else if (header.idFrom == kTreeId && header.code == NM_CUSTOMDRAW)
        result = OnTreeCustomDraw(*reinterpret_cast<const NMTVCUSTOMDRAW*>(lParam));
    else
        return false;
    return true;
}

bool CDocumentPanelDlg::OnPaint()
{
    CPaintDc paint(Handle());
    const RECT client = ClientRect();
    FillRect(paint.Get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return true;
}

HBRUSH CDocumentPanelDlg::OnCtlColor(HDC dc, HWND /*control*/, UINT message)
{
    if (message != WM_CTLCOLORSTATIC)
        return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
