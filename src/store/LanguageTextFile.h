#pragma once
// The descriptions of installed vehicle software, read alike by the version view (a version's
// "<language>.txt") and by the software lists (the maker's "<language>\<language>.txt").
#include <optional>
#include <string>

// The whole text of a description file: UTF-16 after an FF FE mark, otherwise narrow text through
// Utf8ToWide. A file that is there but cannot be opened (being written) is tried once more after
// 20 ms. Nothing when it still cannot be opened or read, or is larger than any description; an
// empty text when its bytes do not convert.
std::optional<std::wstring> ReadDescriptionFile(const std::wstring& path);

// The description of a vehicle software in the current language: the file
// folder + L + "\" + L + ".txt", where L is "CURMODE" under "COMMON\LANGUAGE" ("EN" when unset) and
// the folder ends in a backslash. The whole text, read as ReadDescriptionFile reads it: the lists
// keep the description, and whoever needs the version takes its first line (DescriptionFirstLine).
// An empty text when the file is missing or cannot be read.
std::wstring LoadLanguageTextFile(const std::wstring& folder);
