#include "InputRule.h"

#include <algorithm>

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f'); }

constexpr wchar_t kTrailStandIn = 0xDC00;

bool IsLeadSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsTrailSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether a cut after `length` characters keeps every surrogate pair whole.
bool IsCharacterBoundary(std::wstring_view text, size_t length)
{
    return length == 0 || length >= text.size() || !IsLeadSurrogate(text[length - 1]) ||
           !IsTrailSurrogate(text[length]);
}

}  // namespace

bool InputRuleAccepts(std::wstring_view rule, wchar_t character)
{
    if (character < 32 || character > 126)
        return true;
    if (rule == L"9")
        return IsDigit(character) || character == L'-';
    if (rule == L"X")
        return IsHexDigit(character);
    if (rule == L"A")
        return IsLetter(character);
    return true;
}

size_t FittingInputLength(std::wstring_view text, const InputTextFits& fits)
{
    if (fits(text))
        return text.size();
    // Starts are tried at character boundaries only: a start cut inside a pair holds a lone half,
    // which no narrow form carries, though a longer start may fit.
    const auto boundaryAtOrBefore = [text](size_t length) {
        while (length > 0 && !IsCharacterBoundary(text, length))
            --length;
        return length;
    };
    size_t good = 0;           // a start known to fit
    size_t bad = text.size();  // a start known not to
    while (bad - good > 1) {
        const size_t middle = good + (bad - good) / 2;
        if (fits(text.substr(0, boundaryAtOrBefore(middle))))
            good = middle;
        else
            bad = middle;
    }
    return boundaryAtOrBefore(good);
}

std::wstring WithWholePairs(std::wstring_view text)
{
    std::wstring whole;
    for (size_t i = 0; i < text.size(); ++i) {
        whole += text[i];
        if (IsLeadSurrogate(text[i]) && (i + 1 == text.size() || !IsTrailSurrogate(text[i + 1])))
            whole += kTrailStandIn;
    }
    return whole;
}

std::wstring TextAfterTyping(std::wstring_view text, size_t start, size_t end, wchar_t typed)
{
    start = std::min(start, text.size());
    end = std::min(std::max(end, start), text.size());
    std::wstring after(text.substr(0, start));
    after += typed;
    after += text.substr(end);
    return WithWholePairs(after);
}
