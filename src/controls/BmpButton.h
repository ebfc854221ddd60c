#pragma once
// A button drawn from one strip image that holds its four state frames side by side (normal,
// focused, selected, disabled). It draws no caption. Region, hover (capture and focus while the
// pointer is over it), hand cursor and background behave as the skinned button's.
#include "ScopedWin.h"
#include "Window.h"

class CBmpButton : public CWindow {
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, int id);
    void SetBitmap(int stripId);

    // The navigation button shown as selected whatever its state (1066 at start).
    static int SelectedNavigationId();
    static void SetSelectedNavigationId(int id);

    // The frame of the strip a button shows, and the frame size its control id gives.
    static int FrameIndex(int controlId, UINT itemState);
    static SIZE FrameSize(int controlId);

    bool IsHovering() const { return m_hover; }

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnSize(UINT type, int width, int height) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CScopedBitmap m_strip;
    bool m_hover = false;
};
