#pragma once
// The skinned push button of every screen, bar and dialog: one of its state images stretched over
// the button, its caption in up to four placements, and an optional latched (selected) state.
#include <string>

#include "ButtonDrawing.h"
#include "ScopedWin.h"
#include "Window.h"

class CBmpBtn : public CWindow {
public:
    // Creates the button window (owner-drawn) as a child of `parent`.
    bool Create(const std::wstring& caption, DWORD style, const RECT& rect, HWND parent, int id);

    void SetBitmaps(int normal, int pressed, int disabled, int alternate);
    void SetBitmap(int normal);
    virtual void SetChecked(bool on);
    bool GetChecked() const { return m_latched; }
    void SetCenterText(bool on) { m_placement.centred = on; }
    void SetTextPlacement(bool bottomWrapped, bool bottomCentred, bool left);
    void SetFontChoice(int choice) { m_fontChoice = choice; }
    void CreateDefaultFont();
    void SetCustomTextColour(bool use, COLORREF colour);

    bool IsHovering() const { return m_hover; }
    bool HasImage(BUTTON_IMAGE image) const;

    // Draws the button as it looks in the given owner-draw state into any device context.
    void DrawButton(HDC dc, const RECT& item, UINT itemState);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HBITMAP ImageHandle(BUTTON_IMAGE image) const;
    HFONT CaptionFont() const;
    void DrawCaption(HDC dc, const RECT& item, bool disabled);

    CScopedBitmap m_normal;
    CScopedBitmap m_pressed;
    CScopedBitmap m_disabled;
    CScopedBitmap m_alternate;
    bool m_hover = false;
    bool m_latched = false;
    CAPTION_PLACEMENT_FLAGS m_placement;
    int m_fontChoice = 0;
    bool m_useCustomColour = false;
    COLORREF m_customColour = RGB(255, 255, 255);
    CScopedFont m_ownFont;
};

// Loads one of the program's bitmap resources; null for id 0 or a missing resource.
HBITMAP LoadProgramBitmap(int id);
// The size of one of the program's bitmap resources; 0 x 0 when it is missing.
SIZE ProgramBitmapSize(int id);
// Gives a skinned control a region of its whole client rectangle.
void SetWholeWindowRegion(HWND window);
