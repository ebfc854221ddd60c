#include "InputRule.h"

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsHexDigit(wchar_t c) { return IsDigit(c) || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f'); }

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
