#pragma once
#include <string>

// The description of a vehicle software in the current language: the UTF-8 file
// folder + L + "\" + L + ".txt", where L is "CURMODE" under "COMMON\LANGUAGE" ("EN" when unset) and
// the folder ends in a backslash. An empty text when the file is missing or cannot be read.
std::wstring LoadLanguageTextFile(const std::wstring& folder);
