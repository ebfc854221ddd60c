#pragma once
#include <string>
#include <string_view>

// Narrow forms of the wide texts of the vehicle data.

// UTF-8 of a wide text. Units in the surrogate range are read as UTF-16 (also where wchar_t is 32
// bits, since texts from files keep one UTF-16 unit per wchar_t there): a pair gives its character,
// a lone half gives U+FFFD, so the result is always valid UTF-8.
std::string EncodeUtf8(std::wstring_view text);

// The narrow form of a database text by DBFORMAT: 0 UTF-8, 1 the current language's ANSI code page,
// any other value the system's ANSI code page. The narrow text ends before the first zero byte and
// is as long as the text needs. False, with an empty text, when the text cannot be converted.
bool WideToDbText(const std::wstring& text, std::string& narrow);
