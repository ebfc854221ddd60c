#pragma once
// The edit field of the value-input screen. It drops typed characters that do not fit the input
// rule the diagnostic program asked for (InputRule.h); pasted text is not filtered by the rule.
// Whatever way text comes in, the field holds no more than its answer can carry whole.
#include <string>
#include <string_view>

#include "Window.h"

class CKeyEdit : public CWindow {
public:
    // The rule and the two texts the diagnostic program sends with it (kept, not used here).
    bool SetInputRule(const std::wstring& rule, const std::wstring& text2, const std::wstring& text3);
    const std::wstring& InputRule() const { return m_rule; }
    const std::wstring& PreviousText() const { return m_previousText; }

    // The answer carries the text in `codePage`, in at most `bytes` bytes: the field lets in no
    // character that would not fit or that has no form there.
    void SetAnswerLimit(size_t bytes, unsigned codePage);
    // The longest start of `text` the answer can carry, cut between characters.
    std::wstring FittingStart(const std::wstring& text) const;
    // The field's text as the answer carries it.
    std::string AnswerText() const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedCommand(int code) override;

private:
    bool Fits(std::wstring_view text) const;
    bool TypedCharacterFits(wchar_t typed) const;
    void KeepOrRestore();

    std::wstring m_previousText;
    std::wstring m_rule;
    std::wstring m_text2;
    std::wstring m_text3;
    size_t m_answerBytes = 0;  // 0: no limit
    unsigned m_codePage = 0;
    std::wstring m_lastFitting;
    DWORD m_lastCaret = 0;
    bool m_restoring = false;
};
