#pragma once
// The character rule of the value-input field: which typed characters the diagnostic program's
// input type lets through. Only printable ASCII is filtered; control keys (Backspace, Enter) and
// characters beyond ASCII always pass, so editing keys keep working whatever the rule.
#include <functional>
#include <string>
#include <string_view>

// "9": digits and '-'; "X": hexadecimal digits; "A": letters; any other rule accepts everything.
bool InputRuleAccepts(std::wstring_view rule, wchar_t character);

// Whether a wide text can be answered whole: its narrow form fits and every character has one.
using InputTextFits = std::function<bool(std::wstring_view)>;

// The length of the longest start of `text` that can be answered whole. A start never ends between
// the two halves of a surrogate pair; `fits` must hold for every start shorter than one it holds for.
size_t FittingInputLength(std::wstring_view text, const InputTextFits& fits);

// A text as it will be once every pair being typed is whole: a lead surrogate without its trail
// gets a stand-in for it, so that a lead is let in only when its pair fits.
std::wstring WithWholePairs(std::wstring_view text);

// The field's text once a typed character replaced the selection [start, end), with whole pairs.
std::wstring TextAfterTyping(std::wstring_view text, size_t start, size_t end, wchar_t typed);
