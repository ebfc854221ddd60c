#pragma once
// The player of one screen recording: the animated picture over the view's client area, with
// buttons to the previous and the next recording that appear once the animation reached its last
// frame (a click toggles them). A click in the strip along the left edge returns to the list.
#include <memory>
#include <string>

#include "BmpBtn.h"
#include "Dialog.h"
#include "PictureEx.h"

class CReplaygifDlg : public CDialog {
public:
    // Sent to the view: wParam 1 back to the list, 2 previous, 3 next.
    static constexpr UINT kPlayerMessage = 0xBDC;
    static constexpr int kPrevious = 3002, kNext = 3003;

    CReplaygifDlg(HWND view, const std::wstring& fileName, bool previousEnabled, bool nextEnabled);
    ~CReplaygifDlg() override;

    CPictureEx& Picture() { return m_picture; }
    CBmpBtn* Button(int id) const;
    bool ButtonsShown() const { return m_buttonsShown; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;
    bool OnEraseBkgnd(HDC) override { return true; }
    void OnOK() override {}
    void OnCancel() override {}

private:
    std::unique_ptr<CBmpBtn> MakeButton(int id, const wchar_t* caption, bool enabled) const;
    void ShowButtons(bool shown);
    void PlaceButtons();

    std::wstring m_fileName;
    bool m_previousEnabled;
    bool m_nextEnabled;
    bool m_buttonsShown = false;
    std::unique_ptr<CBmpBtn> m_previous;
    std::unique_ptr<CBmpBtn> m_next;
    CPictureEx m_picture;
};
