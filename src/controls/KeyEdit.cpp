#include "KeyEdit.h"

#include <vector>

#include "InputRule.h"
#include "TextConversion.h"

bool CKeyEdit::SetInputRule(const std::wstring& rule, const std::wstring& text2, const std::wstring& text3)
{
    m_rule = rule;
    m_text2 = text2;
    m_text3 = text3;
    return true;
}

void CKeyEdit::SetAnswerLimit(size_t bytes, unsigned codePage)
{
    m_answerBytes = bytes;
    m_codePage = codePage;
    m_lastFitting = FittingStart(GetText());
}

bool CKeyEdit::Fits(std::wstring_view text) const
{
    if (m_answerBytes == 0)
        return true;
    std::vector<char> narrow(m_answerBytes + 1);
    return WideToNarrow(narrow.data(), std::wstring(text).c_str(), narrow.size(), m_codePage);
}

std::wstring CKeyEdit::FittingStart(const std::wstring& text) const
{
    return text.substr(0, FittingInputLength(text, [this](std::wstring_view start) { return Fits(start); }));
}

std::string CKeyEdit::AnswerText() const
{
    const std::wstring text = FittingStart(GetText());
    std::vector<char> narrow(m_answerBytes == 0 ? text.size() * 4 + 1 : m_answerBytes + 1);
    if (!WideToNarrow(narrow.data(), text.c_str(), narrow.size(), m_codePage))
        return {};
    return narrow.data();
}

bool CKeyEdit::TypedCharacterFits(wchar_t typed) const
{
    if (typed < 32 || typed == 127)
        return true;  // editing keys (Backspace, Enter, the control-key shortcuts) add nothing
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return Fits(TextAfterTyping(GetText(), start, end, typed));
}

bool CKeyEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CHAR)
        return false;
    m_previousText = GetText();
    const auto typed = static_cast<wchar_t>(wParam);
    // A refused character is dropped silently: no beep, no message.
    result = InputRuleAccepts(m_rule, typed) && TypedCharacterFits(typed) ? DefaultProc(message, wParam, lParam) : 0;
    return true;
}

// Text that came in another way (pasted, composed, set) and cannot be answered whole goes back to
// the last text that could, so what the user sees is what the diagnostic program gets.
void CKeyEdit::KeepOrRestore()
{
    if (m_restoring)
        return;
    const std::wstring text = GetText();
    if (Fits(WithWholePairs(text))) {  // the trail of a pair being typed comes with the next message
        m_lastFitting = text;
        SendMessageW(Handle(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&m_lastCaret));
        return;
    }
    m_restoring = true;
    SetText(m_lastFitting);
    SendMessageW(Handle(), EM_SETSEL, m_lastCaret, m_lastCaret);
    m_restoring = false;
}

bool CKeyEdit::OnReflectedCommand(int code)
{
    if (code != EN_CHANGE)
        return false;
    KeepOrRestore();
    Invalidate(true);  // repainted whole, so no trace of the previous text stays on the background
    return true;
}
