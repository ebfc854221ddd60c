#pragma once
// The one modal question box of the program: a message and the buttons "Yes" (IDOK) and "No"
// (IDCANCEL) on a fixed skin. A caller that only informs ignores the result; either button closes
// the box. Enter answers Yes, Escape No.
#include <memory>
#include <string>

#include "BmpBtn.h"
#include "Dialog.h"
#include "ScopedWin.h"

class PopMsgDlg : public CDialog {
public:
    explicit PopMsgDlg(HWND parent);

    void SetMessage(const std::wstring& text) { m_message = text; }
    // Shows `text` in a box of its own and waits for the answer: IDOK for Yes, IDCANCEL for No.
    static int Show(const std::wstring& text, HWND parent = nullptr);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    std::wstring ModalText() const override { return m_message; }

private:
    std::unique_ptr<CBmpBtn> CreateAnswerButton(int id, uint32_t textId, const wchar_t* english, int x, int y);

    CScopedBitmap m_skin;
    std::unique_ptr<CBmpBtn> m_yes;
    std::unique_ptr<CBmpBtn> m_no;
    std::wstring m_message;
    CScopedBrush m_whiteBrush;
};
