#pragma once
// The message screen (view 164, command 60): the diagnostic program's message box. A message with
// up to five soft keys chosen by the box type; the answer is the code of the key pressed. Types 0
// and 9 answer at once, so the program polls them.
#include <array>
#include <string>

#include "DiagView.h"
#include "MessageKeys.h"

class CMsgView : public CDiagView {
public:
    static constexpr int kViewId = 164;
    static constexpr int kFirstKeyId = 3012;
    CMsgView();

    void OnShowView() override;
    void ShowRequest() override;
    void SendAnswer() override;
    void OnFuncButton1() override { PressKey(0); }
    void OnFuncButton2() override { PressKey(1); }
    void OnFuncButton3() override { PressKey(2); }
    void OnFuncButton4() override { PressKey(3); }
    void OnFuncButton5() override { PressKey(4); }

    const CMessageKeys& Keys() const { return m_keys; }
    const std::wstring& MessageText() const { return m_strMessage; }
    int ScrollHeight() const { return m_scrollHeight; }

protected:
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PressKey(size_t index);
    void ApplyKeys();
    void SetMessage(const std::string& text);
    void ShowTitle(const std::string& title);
    void UpdateScrollRange();
    void ScrollTo(int position);
    void OnVScroll(int request);

    CMessageKeys m_keys;
    std::array<RECT, CMessageKeys::kKeyCount> m_keyRects = {};
    std::wstring m_strMessage;
    int m_scrollHeight = 0;
    int m_scrollPos = 0;
    CScopedBrush m_childBrush;
};
