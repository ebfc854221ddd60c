#include "KeyEdit.h"

#include "InputRule.h"

bool CKeyEdit::SetInputRule(const std::wstring& rule, const std::wstring& text2, const std::wstring& text3)
{
    m_rule = rule;
    m_text2 = text2;
    m_text3 = text3;
    return true;
}

bool CKeyEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CHAR)
        return false;
    m_previousText = GetText();
    // A refused character is dropped silently: no beep, no message.
    result = InputRuleAccepts(m_rule, static_cast<wchar_t>(wParam)) ? DefaultProc(message, wParam, lParam) : 0;
    return true;
}

bool CKeyEdit::OnReflectedCommand(int code)
{
    if (code != EN_CHANGE)
        return false;
    Invalidate(true);  // repainted whole, so no trace of the previous text stays on the background
    return true;
}
