#pragma once
#include <memory>
#include <string>

// Conversions between the program's wide texts and the narrow texts of files and of the diagnostic
// program. Each result is a buffer owned by the caller, or null on failure; callers treat null as
// an empty text.

using WideBuffer = std::unique_ptr<wchar_t[]>;
using NarrowBuffer = std::unique_ptr<char[]>;

// Decodes UTF-8, or the language's ANSI code page when DBFORMAT is 1. Null for a null text, for
// invalid UTF-8, and for every text while DBFORMAT is neither 0 nor 1.
WideBuffer Utf8ToWide(const char* text);

// Always UTF-8, whatever DBFORMAT says; the buffer has one more zeroed byte than the text needs.
NarrowBuffer WideToUtf8(const wchar_t* text);

// ConvertValueByUnit for a unit name that came as a narrow text.
std::wstring FormatValueByUnit(const std::wstring& value, const char* unit);

// A text of the diagnostic program as Utf8ToWide reads it; empty where that gives nothing.
std::wstring DiagTextToWide(const std::string& text);

// Converts `text` into the caller's buffer of `room` bytes in the given code page, always ending it
// with a zero. True only when the whole text fit and every character has a form in the code page
// (no stand-in characters, no near matches); otherwise the buffer holds an empty text.
bool WideToNarrow(char* buffer, const wchar_t* text, size_t room, unsigned codePage);

// Widens a narrow text of the given code page; empty when it cannot be read.
std::wstring NarrowToWide(const std::string& text, unsigned codePage);
