#pragma once
// The character rule of the value-input field: which typed characters the diagnostic program's
// input type lets through. Only printable ASCII is filtered; control keys (Backspace, Enter) and
// characters beyond ASCII always pass, so editing keys keep working whatever the rule.
#include <string_view>

// "9": digits and '-'; "X": hexadecimal digits; "A": letters; any other rule accepts everything.
bool InputRuleAccepts(std::wstring_view rule, wchar_t character);
