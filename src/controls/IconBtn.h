#pragma once
// A grid of framed icons with captions, one page at a time, on an owner-drawn button. Page and
// arrow keys move the page and the selection; the mouse selects what it points at. A click on an
// item, Enter or Space tells the parent by WM_COMMAND with the control's id (and no control
// handle); the parent then reads the selected item.
#include <optional>
#include <string>
#include <vector>

#include "IconGridModel.h"
#include "ScopedWin.h"
#include "Window.h"

class CIconBtn : public CWindow {
public:
    // Creates the grid (an owner-drawn button) as a child of `parent`.
    bool Create(DWORD style, const RECT& rect, HWND parent, int id);

    // Inserts an item at `index` (the count appends); the icon stays the caller's. No repaint.
    void SetItem(int index, const std::wstring& caption, HBITMAP icon);
    // Forgets every item (the icons are not deleted) and goes back to the first page.
    void RemoveAllItems();
    // (Re)loads the item frame, the selection frame and the third picture of the grid.
    void LoadFrameBitmaps();
    // Stores the cell size and lays the page out; the pitches, or (cx, cy) when no cell fits.
    GRID_PITCH SetCellSize(int cx, int cy);
    // Applies a page or arrow key; 0 when the grid has no items, else 1.
    int OnNavigateKey(unsigned key);

    int GetItemCount() const { return static_cast<int>(m_captions.size()); }
    const std::wstring& GetCaption(int index) const { return m_captions.at(static_cast<size_t>(index)); }
    // The first shown item plus the selected cell: -1 and below when nothing can be selected.
    int GetSelectedItem() const { return m_grid.SelectedItem(); }
    const CIconGridModel& Grid() const { return m_grid; }
    int LastDrawnSelected() const { return m_lastDrawnSelected; }
    bool IsHovering() const { return m_hover; }

    // Draws the grid as the control shows it, into any device context.
    void DrawGrid(HDC dc, const RECT& item, UINT itemState);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectedCommand(int code) override;
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)); }
    bool OnSize(UINT type, int width, int height) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnLButtonUp(UINT keys, POINT point) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool HitTest(POINT point);
    bool OnKeyDown(WPARAM key);
    void NotifyParent() const;
    void DrawItemCell(HDC dc, int index, bool focused);

    std::vector<std::wstring> m_captions;
    std::vector<HBITMAP> m_icons;
    CIconGridModel m_grid;
    CScopedBitmap m_pageImage;
    CScopedBitmap m_itemFrame;
    CScopedBitmap m_selectionFrame;
    CScopedBitmap m_mark;
    bool m_hover = false;
    int m_lastDrawnSelected = -1;
    std::optional<POINT> m_releasePoint;  // where the button that makes a click went up
};
