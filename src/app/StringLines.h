#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "StringFile.h"

// The text form from which string files are made (the demo installation, test fixtures): UTF-8,
// one record a line, "0x<hex id><TAB><text>". In the text "\n" stands for a line feed; every other
// character is taken as it is. Blank lines are skipped; a leading byte-order mark and carriage
// returns before line ends are allowed.
//
// The records in order, or false with the 1-based number of the first line that is not a record,
// not valid UTF-8 or holding a zero character (records then holds the lines before it).
bool ParseStringLines(std::string_view text, std::vector<TAG_STRING_RESOURCE_ITEM>& records, size_t& badLine);

// Strict UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF) as a wide text; nothing
// for bytes that are not such UTF-8.
std::optional<std::wstring> DecodeUtf8(std::string_view text);
