#include "LineListBox.h"

#include <string>
#include <vector>

namespace {

std::wstring ItemText(HWND listBox, UINT item)
{
    const LRESULT length = SendMessageW(listBox, LB_GETTEXTLEN, item, 0);
    if (length == LB_ERR || length <= 0)
        return {};
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(listBox, LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

}  // namespace

bool CLineListBox::Subclass(HWND listBox)
{
    if (!CWindow::Subclass(listBox))
        return false;
    SendMsg(LB_SETITEMHEIGHT, 0, kRowHeight);
    return true;
}

bool CLineListBox::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1))
        return true;
    DrawRow(item, ItemText(item.hwndItem, item.itemID));
    return true;
}

void CLineListBox::DrawRow(const DRAWITEMSTRUCT& item, const std::wstring& text)
{
    RECT rect = item.rcItem;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &rect, DT_VCENTER | DT_SINGLELINE);
    rect = item.rcItem;
    DrawEdge(item.hDC, &rect, EDGE_ETCHED, BF_BOTTOM);
    if (item.itemAction == ODA_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}
