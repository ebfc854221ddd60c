#pragma once
// The edit field of the value-input screen. It drops typed characters that do not fit the input
// rule the diagnostic program asked for (InputRule.h); pasted text is not filtered.
#include <string>

#include "Window.h"

class CKeyEdit : public CWindow {
public:
    // The rule and the two texts the diagnostic program sends with it (kept, not used here).
    bool SetInputRule(const std::wstring& rule, const std::wstring& text2, const std::wstring& text3);
    const std::wstring& InputRule() const { return m_rule; }
    const std::wstring& PreviousText() const { return m_previousText; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedCommand(int code) override;

private:
    std::wstring m_previousText;
    std::wstring m_rule;
    std::wstring m_text2;
    std::wstring m_text3;
};
