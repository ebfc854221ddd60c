#pragma once
// An owner-drawn push button (or check box) over a dialog's button: an optional icon from a file,
// an optional strip of four state pictures, a centred caption on a flat background, hover tracking,
// and a red frame around the picture button clicked last.
#include <string>

#include "ScopedWin.h"
#include "Window.h"

class CPicButton : public CWindow {
public:
    CPicButton() = default;
    ~CPicButton() override;

    // Takes over a dialog's button and makes it owner-drawn.
    bool SubclassButton(HWND button);

    void SetBitmap(int resourceId);
    bool LoadIconFiles(const std::wstring& icon, const std::wstring& disabledIcon = L"");
    void FreeBitmaps();
    // The next picture button that draws itself becomes the clicked one and shows the frame.
    static void MarkNextDrawn();

    void SetTextColor(COLORREF colour) { m_textColour = colour; }
    void SetHotTextColor(COLORREF colour) { m_hotTextColour = colour; }
    void SetBackColor(COLORREF colour) { m_backColour = colour; }
    void SetCaptionFormat(UINT format) { m_captionFormat = format; }
    void SetPicturesAbove(bool above) { m_picturesAbove = above; }

    bool IsCheckBox() const { return m_checkBox; }
    bool GetCheck() const { return m_checked; }
    bool IsHovering() const { return m_hover; }
    bool IsMarked() const;

    // Draws the button as it looks in the given owner-draw state into any device context.
    void DrawButton(HDC dc, const RECT& item, UINT itemState);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnReflectedCommand(int code) override;
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH)); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void EndHover();

    COLORREF m_textColour = RGB(0, 0, 0);
    COLORREF m_backColour = RGB(224, 223, 227);
    COLORREF m_hotTextColour = RGB(0, 0, 0);
    CScopedBitmap m_icon;
    CScopedBitmap m_disabledIcon;
    CScopedBitmap m_strip;
    UINT m_captionFormat = DT_CENTER;
    bool m_picturesAbove = false;
    bool m_checked = false;
    bool m_checkBox = false;
    bool m_hover = false;
    bool m_marked = false;
    bool m_focusLost = false;
};
