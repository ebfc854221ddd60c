#include "SoftwareBtn.h"

#include <algorithm>
#include <stdexcept>

#include "BmpBtn.h"
#include "MainFrame.h"
#include "SharedFonts.h"

namespace {

constexpr int kStoreViewId = 446;
constexpr COLORREF kLineColour = RGB(157, 157, 161);
constexpr COLORREF kTextColour = RGB(100, 100, 100);
constexpr COLORREF kProgressColour = RGB(255, 121, 0);
constexpr int kProgressWidth = 120;
constexpr int kProgressHeight = 25;
constexpr int kInfoMinWidth = 260;
constexpr int kInfoHeight = 110;

bool StoreIsCurrent()
{
    CMainFrame* frame = CMainFrame::Instance();
    return frame && frame->CurrentViewId() == kStoreViewId;
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info = {};
    if (bitmap)
        GetObjectW(bitmap, sizeof(info), &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

int Centred(int top, int cellHeight, int height)
{
    return top + std::max(0, (cellHeight - height) / 2);
}

// Draws a bitmap at (x, y) and gives its rectangle (empty for no bitmap).
RECT DrawBitmapAt(HDC dc, HBITMAP bitmap, int x, int y)
{
    if (!bitmap)
        return RECT{};
    const SIZE size = SizeOf(bitmap);
    CMemoryDc memory(dc);
    CSelectObject chosen(memory.Get(), bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, memory.Get(), 0, 0, SRCCOPY);
    return RECT{x, y, x + size.cx, y + size.cy};
}

}  // namespace

CSoftwareBtn::~CSoftwareBtn() = default;

bool CSoftwareBtn::CreateGrid(HWND parent, int controlId, const RECT& rect)
{
    const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, rect.left, rect.top,
                                        rect.right - rect.left, rect.bottom - rect.top, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), nullptr, nullptr);
    return button && Subclass(button);
}

bool CSoftwareBtn::CreateTileGrid(HWND parent, int controlId, const RECT& rect, int tileWidth, int tileHeight)
{
    if (!CreateGrid(parent, controlId, rect))
        return false;
    CalcLayout(tileWidth, tileHeight);
    SetFocus(Handle());
    LoadBitmaps();
    return true;
}

_DiagSoftware_Info_& CSoftwareBtn::Item(size_t i)
{
    if (i >= m_items.size())
        throw std::out_of_range("no such tile");
    return m_items[i];
}

const _DiagSoftware_Info_& CSoftwareBtn::Item(size_t i) const
{
    if (i >= m_items.size())
        throw std::out_of_range("no such tile");
    return m_items[i];
}

void CSoftwareBtn::AddItem(size_t position, const std::wstring& name, const std::wstring& text, HBITMAP icon)
{
    const bool store = StoreIsCurrent();
    _DiagSoftware_Info_ tile;
    tile.nId = static_cast<int>(position);
    tile.strName = name;
    tile.strText = text;
    tile.hIcon = icon;
    tile.bInfoEnabled = store;
    tile.bShowBadge = store;
    tile.nOwnerFlag3 = tile.nOwnerFlag4 = tile.nOwnerFlag5 = store;
    m_items.insert(m_items.begin() + static_cast<ptrdiff_t>(std::min(position, m_items.size())), tile);
    m_grid.SetCount(m_items.size());
}

void CSoftwareBtn::RemoveItem(size_t position)
{
    Item(position);  // refuses a tile that does not exist
    m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(position));
    m_grid.SetCount(m_items.size());
}

void CSoftwareBtn::RemoveAll()
{
    m_grid.Reset();
    m_items.clear();
    m_grid.SetCount(0);
}

TILE_CELL CSoftwareBtn::CalcLayout(int width, int height)
{
    m_tileWidth = width;
    m_tileHeight = height;
    const RECT client = ClientRect();
    return m_grid.CalcLayout(width, height, client.right - client.left, client.bottom - client.top);
}

void CSoftwareBtn::LoadBitmaps()
{
    m_selectOff.Reset(LoadProgramBitmap(479));
    m_selectOn.Reset(LoadProgramBitmap(480));
    m_selectInactive.Reset(LoadProgramBitmap(482));
    m_selectLocked.Reset(LoadProgramBitmap(487));
    m_mark.Reset(LoadProgramBitmap(399));
    const bool store = StoreIsCurrent();
    m_action.Reset(LoadProgramBitmap(store ? 477 : 478));
    m_actionDisabled.Reset(store ? LoadProgramBitmap(484) : nullptr);
    m_badge.Reset(store ? LoadProgramBitmap(449) : nullptr);
}

bool CSoftwareBtn::MoveHot(UINT key)
{
    if (!m_grid.MoveHot(key))
        return false;
    if (IsWindow())
        Invalidate(false);
    return true;
}

std::wstring CSoftwareBtn::GetHotName() const
{
    return Item(GetHotIndex()).strName;
}

std::wstring CSoftwareBtn::GetHotText() const
{
    return Item(GetHotIndex()).strText;
}

HBITMAP CSoftwareBtn::GetHotIcon() const
{
    return Item(GetHotIndex()).hIcon;
}

void CSoftwareBtn::ToggleSelected(size_t i)
{
    Item(i).bSelected = !Item(i).bSelected;
    if (IsWindow())
        Invalidate(true);
}

void CSoftwareBtn::SetMarked(size_t i, bool value)
{
    _DiagSoftware_Info_& tile = Item(i);
    tile.bMarked = value;
    tile.bSelectable = value;
    tile.bShowBadge = value;
    tile.bShowStatus = !value;
}

void CSoftwareBtn::Renumber()
{
    for (size_t i = 0; i < m_items.size(); ++i)
        m_items[i].nId = static_cast<int>(i);
    if (IsWindow())
        Invalidate(true);
}

void CSoftwareBtn::ShowProgress(size_t i)
{
    m_progressPlace = m_grid.ProgressPlace(i);
    Item(i).bShowBadge = 0;
    m_progressVisible = true;
}

void CSoftwareBtn::SetProgress(size_t, int percent)
{
    m_progressPercent = percent;
    if (IsWindow())
        Invalidate(true);
}

bool CSoftwareBtn::IsProgressShown() const
{
    return m_progressVisible && m_progressPlace.pageStart == m_grid.PageStart();
}

bool CSoftwareBtn::OnSize(UINT, int, int)
{
    m_backBuffer.Reset();
    m_grid.Reset();
    Invalidate(true);
    return false;
}

bool CSoftwareBtn::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (!m_backBuffer) {
        CalcLayout(m_tileWidth, m_tileHeight);
        m_backBuffer.Reset(CreateCompatibleBitmap(item.hDC, width, height));
    }
    CMemoryDc memory(item.hDC);
    CSelectObject chosen(memory.Get(), m_backBuffer.Get());
    DrawGrid(memory.Get(), RECT{0, 0, width, height});
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

void CSoftwareBtn::DrawGrid(HDC dc, const RECT& area)
{
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    if (m_items.empty())
        return;
    const size_t end = std::min(m_items.size(), m_grid.PageStart() + static_cast<size_t>(m_grid.PerPage()));
    for (size_t i = m_grid.PageStart(); i < end; ++i)
        DrawTile(dc, i, area);
    DrawLines(dc, area);
    m_grid.ClampHot();
    if (IsProgressShown())
        DrawProgress(dc, area);
}

void CSoftwareBtn::DrawLines(HDC dc, const RECT& area) const
{
    CScopedPen pen(CreatePen(PS_SOLID, 2, kLineColour));
    CSelectObject chosen(dc, pen.Get());
    const TILE_CELL cell = m_grid.Cell();
    for (int j = 0; j < m_grid.Rows(); ++j) {
        MoveToEx(dc, area.left, area.top + j * cell.y, nullptr);
        LineTo(dc, area.right, area.top + j * cell.y);
    }
    for (int j = 0; j < m_grid.Columns(); ++j) {
        MoveToEx(dc, area.left + j * cell.x, area.top, nullptr);
        LineTo(dc, area.left + j * cell.x, area.bottom);
    }
    MoveToEx(dc, area.right - 1, area.top, nullptr);
    LineTo(dc, area.right - 1, area.bottom);
}

void CSoftwareBtn::DrawTile(HDC dc, size_t index, const RECT& area)
{
    _DiagSoftware_Info_& tile = m_items[index];
    const TILE_CELL origin = m_grid.CellOf(index);
    const TILE_CELL cell = m_grid.Cell();
    const int x = area.left + origin.x;
    const int y = area.top + origin.y;
    const int right = x + cell.x;
    const int bottom = y + cell.y;

    const HBITMAP select = tile.bLocked        ? m_selectLocked.Get()
                           : !tile.bSelectable ? m_selectInactive.Get()
                           : tile.bSelected    ? m_selectOn.Get()
                                               : m_selectOff.Get();
    const SIZE selectSize = SizeOf(select);
    tile.rcSelect = DrawBitmapAt(dc, select, x + 15, Centred(y, cell.y, selectSize.cy));

    const HBITMAP action = tile.bActionEnabled ? m_action.Get() : m_actionDisabled.Get();
    const SIZE actionSize = SizeOf(action);
    tile.rcAction = DrawBitmapAt(dc, action, right - actionSize.cx - 15, Centred(y, cell.y, actionSize.cy));

    if (tile.bShowBadge && m_badge) {
        const SIZE badge = SizeOf(m_badge.Get());
        DrawBitmapAt(dc, m_badge.Get(), right - badge.cx - actionSize.cx - 45, Centred(y, cell.y, badge.cy));
    }
    const SIZE logo = SizeOf(tile.hIcon);
    const int logoX = x + selectSize.cx + 30;
    const int logoY = Centred(y, cell.y, logo.cy);
    DrawBitmapAt(dc, tile.hIcon, logoX, logoY);
    tile.rcInfo = RECT{logoX, logoY, logoX + std::max(cell.x / 2, kInfoMinWidth), logoY + kInfoHeight};
    if (tile.bMarked && m_mark) {
        const SIZE mark = SizeOf(m_mark.Get());
        DrawBitmapAt(dc, m_mark.Get(), right - mark.cx - 15, Centred(y, cell.y, mark.cy));
    }

    const HFONT previous = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    SetTextColor(dc, kTextColour);
    const int textLeft = x + selectSize.cx + logo.cx + 40;
    const int firstLine = y + std::max(0, (cell.y - 60) / 2);
    {
        CSelectObject bold(dc, BoldFont() ? BoldFont() : previous);
        RECT name = {textLeft, firstLine, right, bottom};
        DrawTextW(dc, tile.strName.c_str(), -1, &name, DT_SINGLELINE);
        RECT text = {textLeft, firstLine + 30, right, bottom};
        DrawTextW(dc, tile.strText.c_str(), -1, &text, DT_SINGLELINE);
    }
    if (tile.bShowStatus) {
        RECT status = {right - actionSize.cx - 185, y + std::max(0, (cell.y - 20) / 2), right - actionSize.cx - 25, bottom};
        DrawTextW(dc, tile.strStatus.c_str(), -1, &status, DT_SINGLELINE | DT_RIGHT);
    }
}

void CSoftwareBtn::DrawProgress(HDC dc, const RECT& area)
{
    const TILE_CELL cell = m_grid.Cell();
    const int x = area.left + m_progressPlace.cell.x;
    const int y = area.top + m_progressPlace.cell.y;
    RECT bar = {x + cell.x - 176, y + (cell.y - kProgressHeight) / 2, 0, 0};
    bar.right = bar.left + kProgressWidth;
    bar.bottom = bar.top + kProgressHeight;
    FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int percent = std::clamp(m_progressPercent, 0, 100);
    RECT done = {bar.left, bar.top, bar.left + kProgressWidth * percent / 100, bar.bottom};
    CScopedBrush orange(CreateSolidBrush(kProgressColour));
    FillRect(dc, &done, orange.Get());

    const std::wstring text = std::to_wstring(m_progressPercent) + L"%";
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    {
        CSelectObject font(dc, GetStockObject(SYSTEM_FONT));
        DrawTextW(dc, text.c_str(), -1, &bar, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    CScopedPen pen(CreatePen(PS_SOLID, 2, kLineColour));
    CSelectObject chosen(dc, pen.Get());
    MoveToEx(dc, bar.left, bar.top, nullptr);
    LineTo(dc, bar.right, bar.top);
    LineTo(dc, bar.right, bar.bottom);
    MoveToEx(dc, bar.left, bar.top, nullptr);
    LineTo(dc, bar.left, bar.bottom);
    LineTo(dc, bar.right, bar.bottom);
}

void CSoftwareBtn::SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const
{
    SendMessageW(GetParent(Handle()), message, wParam, lParam);
}

// The grid's keys arrive in its own window procedure, as every key of the focused window does.
bool CSoftwareBtn::OnKeyDown(WPARAM key)
{
    const bool modified = GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
    if (modified)
        return false;
    if (key == VK_RETURN || key == VK_SPACE) {
        SendToParent(WM_COMMAND, static_cast<WPARAM>(ControlId()), 0);
        return true;
    }
    const size_t pageStart = m_grid.PageStart();
    if (!MoveHot(static_cast<UINT>(key)))
        return false;
    if (m_grid.PageStart() != pageStart)
        SendToParent(kPageMoved, 0, 0);
    return true;
}

bool CSoftwareBtn::HotContains(POINT point, bool select, bool info, bool action) const
{
    if (m_items.empty())
        return false;
    const _DiagSoftware_Info_& tile = m_items[std::min(GetHotIndex(), m_items.size() - 1)];
    return (select && tile.bSelectable && PtInRect(&tile.rcSelect, point)) ||
           (info && tile.bInfoEnabled && PtInRect(&tile.rcInfo, point)) ||
           (action && tile.bActionEnabled && PtInRect(&tile.rcAction, point));
}

bool CSoftwareBtn::OnMouseMove(UINT keys, POINT point)
{
    const RECT client = ClientRect();
    m_grid.HitTest(point.x, point.y, client.right, client.bottom);
    Invalidate(true);
    if (HotContains(point, true, true, true))
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
    DefaultProc(WM_MOUSEMOVE, keys, MAKELPARAM(point.x, point.y));
    return true;
}

bool CSoftwareBtn::OnLButtonDown(UINT keys, POINT point)
{
    DefaultProc(WM_LBUTTONDOWN, keys, MAKELPARAM(point.x, point.y));
    Press(point);
    return true;
}

// Which part of the hot tile was pressed, in the order action, select box, info.
void CSoftwareBtn::Press(POINT point)
{
    if (m_items.empty() || GetHotIndex() >= m_items.size())
        return;
    const RECT client = ClientRect();
    if (!m_grid.HitTest(point.x, point.y, client.right, client.bottom))
        return;
    const size_t index = GetHotIndex();
    const _DiagSoftware_Info_& tile = m_items[index];
    if ((tile.bActionEnabled || tile.bMarked) && PtInRect(&tile.rcAction, point)) {
        SendToParent(kActionClicked, index, 0);
    } else if (tile.bSelectable && PtInRect(&tile.rcSelect, point)) {
        SendToParent(kSelectClicked, index, tile.bSelected ? 0 : 1);
    } else if (tile.bInfoEnabled && PtInRect(&tile.rcInfo, point)) {
        SendToParent(kInfoClicked, index, 0);
    }
}

bool CSoftwareBtn::OnReflectedCommand(int code)
{
    if (code != BN_CLICKED)
        return false;
    POINT cursor = {};
    GetCursorPos(&cursor);
    ScreenToClient(Handle(), &cursor);
    const RECT client = ClientRect();
    if (m_grid.HitTest(cursor.x, cursor.y, client.right, client.bottom)) {
        Invalidate(false);
        SendToParent(WM_COMMAND, static_cast<WPARAM>(ControlId()), 0);
    }
    return true;
}

bool CSoftwareBtn::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    switch (message) {
    case WM_KEYDOWN:
        if (!OnKeyDown(wParam))
            return false;
        result = 0;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTARROWS | DLGC_BUTTON;
        return true;
    case WM_KILLFOCUS:
        Invalidate(true);
        return false;
    default:
        return false;
    }
}
