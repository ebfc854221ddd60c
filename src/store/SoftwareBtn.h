#pragma once
// The grid of vehicle-software tiles of the installed-software view and the online store: each tile
// a select box, a logo, two lines of text, an action button and, in the store, a badge, a status
// text, a mark and a progress bar. The grid only draws, pages and hit-tests; its owner changes the
// tiles and learns of clicks through messages.
#include <string>
#include <vector>

#include "ScopedWin.h"
#include "SoftwareGridModel.h"
#include "Window.h"

struct _DiagSoftware_Info_ {
    int nId = 0;
    std::wstring strName;
    std::wstring strText;
    std::wstring strStatus;
    HBITMAP hIcon = nullptr;  // the list entry's, never the grid's
    int bSelected = 0;
    int bSelectable = 1;
    int bLocked = 0;
    int bActionEnabled = 1;
    int bMarked = 0;
    int bInfoEnabled = 0;
    int nOwnerFlag1 = 1;
    int nOwnerFlag2 = 0;
    int bShowStatus = 0;
    int bShowBadge = 0;
    int nOwnerFlag3 = 0;
    int nOwnerFlag4 = 0;
    int nOwnerFlag5 = 0;
    int nState = 0;
    RECT rcSelect = {};
    RECT rcAction = {};
    RECT rcInfo = {};
};

class CSoftwareBtn : public CWindow {
public:
    // What the grid tells its parent (wParam: the absolute tile index).
    static constexpr UINT kActionClicked = 0x46E;
    static constexpr UINT kSelectClicked = 0xBDB;  // lParam 1: the tile asks to be selected
    static constexpr UINT kInfoClicked = 0x469;
    // A key moved the grid to another page: the owner's page keys follow.
    static constexpr UINT kPageMoved = WM_APP + 45;

    CSoftwareBtn() = default;
    ~CSoftwareBtn() override;

    bool CreateGrid(HWND parent, int controlId, const RECT& rect);
    // The grid as the software pages use it: laid out in tiles of the size given, holding the focus,
    // its tile pictures loaded. False when the window could not be made.
    bool CreateTileGrid(HWND parent, int controlId, const RECT& rect, int tileWidth, int tileHeight);

    void AddItem(size_t position, const std::wstring& name, const std::wstring& text, HBITMAP icon);
    void RemoveItem(size_t position);
    void RemoveAll();
    TILE_CELL CalcLayout(int width, int height);
    void LoadBitmaps();
    bool MoveHot(UINT key);

    size_t GetCount() const { return m_items.size(); }
    bool IsLastPage() const { return m_grid.IsLastPage(); }
    size_t GetHotIndex() const { return m_grid.HotIndex(); }
    std::wstring GetHotName() const;
    std::wstring GetHotText() const;
    HBITMAP GetHotIcon() const;
    int GetItemId(size_t i) const { return Item(i).nId; }
    std::wstring GetItemName(size_t i) const { return Item(i).strName; }
    std::wstring GetItemText(size_t i) const { return Item(i).strText; }
    bool IsSelected(size_t i) const { return Item(i).bSelected != 0; }
    void ToggleSelected(size_t i);
    void SetSelectable(size_t i, bool value) { Item(i).bSelectable = value; }
    bool IsSelectable(size_t i) const { return Item(i).bSelectable != 0; }
    void SetLocked(size_t i, bool value) { Item(i).bLocked = value; }
    void SetActionEnabled(size_t i, bool value) { Item(i).bActionEnabled = value; }
    bool IsActionEnabled(size_t i) const { return Item(i).bActionEnabled != 0; }
    void SetInfoEnabled(size_t i, bool value) { Item(i).bInfoEnabled = value; }
    void ShowStatus(size_t i) { Item(i).bShowStatus = 1; }
    void HideStatus(size_t i) { Item(i).bShowStatus = 0; }
    void ShowBadge(size_t i) { Item(i).bShowBadge = 1; }
    void HideBadge(size_t i) { Item(i).bShowBadge = 0; }
    void SetState(size_t i, int value) { Item(i).nState = value; }
    int GetState(size_t i) const { return Item(i).nState; }
    bool IsMarked(size_t i) const { return Item(i).bMarked != 0; }
    void SetMarked(size_t i, bool value);
    void SetStatusText(size_t i, const std::wstring& text) { Item(i).strStatus = text; }
    const _DiagSoftware_Info_& Tile(size_t i) const { return Item(i); }
    void Renumber();

    void ShowProgress(size_t i);
    void HideProgress() { m_progressVisible = false; }
    void SetProgress(size_t first, int percent);
    bool IsProgressShown() const;
    int Progress() const { return m_progressPercent; }

    const CSoftwareGridModel& Grid() const { return m_grid; }

    // Draws the whole grid as it looks now into any device context (the window's paint uses it).
    void DrawGrid(HDC dc, const RECT& area);
    // A left-button press at a client point, as the mouse gives it.
    void Press(POINT point);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectedCommand(int code) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }
    bool OnSize(UINT type, int width, int height) override;
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    _DiagSoftware_Info_& Item(size_t i);
    const _DiagSoftware_Info_& Item(size_t i) const;
    void DrawTile(HDC dc, size_t index, const RECT& area);
    void DrawProgress(HDC dc, const RECT& area);
    void DrawLines(HDC dc, const RECT& area) const;
    void SendToParent(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool OnKeyDown(WPARAM key);
    bool HotContains(POINT point, bool select, bool info, bool action) const;

    std::vector<_DiagSoftware_Info_> m_items;
    CSoftwareGridModel m_grid;
    CScopedBitmap m_backBuffer;
    int m_tileWidth = 1;
    int m_tileHeight = 1;
    CSoftwareGridModel::PROGRESS_PLACE m_progressPlace;
    int m_progressPercent = 0;
    bool m_progressVisible = false;
    CScopedBitmap m_selectOff;
    CScopedBitmap m_selectOn;
    CScopedBitmap m_selectInactive;
    CScopedBitmap m_selectLocked;
    CScopedBitmap m_mark;
    CScopedBitmap m_action;
    CScopedBitmap m_actionDisabled;
    CScopedBitmap m_badge;
};
