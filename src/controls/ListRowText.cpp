#include "ListRowText.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr int kMostColumns = 10;
constexpr int kTextInset = 5;

}  // namespace

void DrawListRowTexts(const DRAWITEMSTRUCT& item)
{
    const int columns = std::min(Header_GetItemCount(ListView_GetHeader(item.hwndItem)), kMostColumns);
    for (int column = 0; column < columns; ++column) {
        RECT cell = {};
        ListView_GetSubItemRect(item.hwndItem, item.itemID, column, LVIR_LABEL, &cell);
        cell.left += kTextInset;
        cell.right -= 1;  // the text stops short of the next cell
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(item.hwndItem, item.itemID, column, text, MAX_PATH);
        DrawTextW(item.hDC, text, -1, &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}
