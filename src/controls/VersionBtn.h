#pragma once
// An image button with two lines of text beside its picture (a caption and a second text), as the
// software dialog of the store lists versions. It keeps the skinned buttons' region, hand cursor and
// hollow background, but no hover tracking.
#include <string>

#include "ScopedWin.h"
#include "Window.h"

class CVersionBtn : public CWindow {
public:
    // Creates the button window (owner-drawn) as a child of `parent`.
    bool Create(DWORD style, const RECT& rect, HWND parent, int id);

    void SetText(const std::wstring& text) { m_caption = text; }
    void SetSubText(const std::wstring& text) { m_subText = text; }
    std::wstring GetText() const { return m_caption; }
    std::wstring GetSubText() const { return m_subText; }
    void SetShowText(bool on) { m_showText = on; }
    // Takes an already loaded bitmap as the picture; the button owns it from here on.
    void SetImage(HBITMAP picture) { m_picture.Reset(picture); }
    void SetBitmaps(int picture, int second, int third);
    virtual void SetChecked(bool on);
    bool GetChecked() const { return m_latched; }
    // Two numbers the owner keeps on the button (which entry it stands for, and that entry's
    // state); neither changes the drawing nor the latched state.
    void SetIndex(int index) { m_index = index; }
    int GetIndex() const { return m_index; }
    void SetState(int state) { m_state = state; }
    int GetState() const { return m_state; }

    // Draws the button as it looks in the given owner-draw state into any device context.
    void DrawButton(HDC dc, const RECT& item, UINT itemState);

protected:
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    bool OnEraseBkgnd(HDC) override { return true; }
    bool OnSize(UINT type, int width, int height) override;
    HBRUSH OnCtlColor(HDC, HWND, UINT) override { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }

private:
    void DrawTexts(HDC dc, const RECT& item, int pictureWidth, bool disabled);

    CScopedBitmap m_picture;
    CScopedBitmap m_second;
    CScopedBitmap m_third;
    bool m_showText = false;
    bool m_latched = false;
    std::wstring m_caption;
    std::wstring m_subText;
    int m_index = 0;
    int m_state = 0;
};
