#pragma once
// The player of one screen recording: the animated picture over the view's client area, scrolled
// when it is larger than the page, with a centre button and buttons to the previous and the next
// recording that appear once the animation reached its last frame (a click toggles them). A click
// in the strip along the left edge returns to the list; a hint there says so.
#include <memory>
#include <string>

#include "BmpBtn.h"
#include "Dialog.h"
#include "PictureEx.h"

class CReplaygifDlg : public CDialog {
public:
    // Sent to the view: wParam 1 back to the list, 2 previous, 3 next.
    static constexpr UINT kPlayerMessage = 0xBDC;
    static constexpr int kPrevious = 3002, kNext = 3003, kCentre = 3037;
    static constexpr int kHintId = 3012;
    static constexpr int kLeftStrip = 8;

    // `size` is the size the player takes over its view: its pages of scrolling follow from it.
    CReplaygifDlg(HWND view, const std::wstring& fileName, bool previousEnabled, bool nextEnabled, SIZE size);
    ~CReplaygifDlg() override;

    CPictureEx& Picture() { return m_picture; }
    CBmpBtn* Button(int id) const;
    bool ButtonsShown() const { return m_buttonsShown; }
    HWND Hint() const { return m_hint; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnMouseMove(UINT keys, POINT point) override;
    bool OnSetCursor(HWND window, UINT hitTest, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}
    void OnCancel() override {}

private:
    void MakeHint();
    std::unique_ptr<CBmpBtn> MakeButton(int id, int normal, int pressed, bool enabled) const;
    void SetUpScrollBars();
    void OnScroll(int bar, int request);
    void ShowButtons(bool shown);
    void PlaceButtons();
    bool InLeftStrip(POINT point) const { return point.x >= 0 && point.x < kLeftStrip; }

    std::wstring m_fileName;
    bool m_previousEnabled;
    bool m_nextEnabled;
    SIZE m_size;
    bool m_buttonsShown = false;
    HWND m_hint = nullptr;
    std::unique_ptr<CBmpBtn> m_centre;
    std::unique_ptr<CBmpBtn> m_next;
    std::unique_ptr<CBmpBtn> m_previous;
    CPictureEx m_picture;
};
