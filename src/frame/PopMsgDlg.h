#pragma once
// The one modal question box of the program: a message and the buttons "Yes" (IDOK) and "No"
// (IDCANCEL). A caller that only informs ignores the result; either button closes the box.
#include <string>

#include "Dialog.h"
#include "ScopedWin.h"

class PopMsgDlg : public CDialog {
public:
    explicit PopMsgDlg(HWND parent);

    void SetMessage(const std::wstring& text) { m_message = text; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    std::wstring ModalText() const override { return m_message; }

private:
    void CreateAnswerButton(int id, uint32_t textId, const wchar_t* english, int x, int y);

    std::wstring m_message;
    CScopedBrush m_whiteBrush;
};
