#pragma once
#include <cstddef>
#include <string>

#include "ByteString.h"

// Display texts of vehicle keys, from the current language's text database ("<language>_TXT.DB"
// in the vehicle-software folder), with the last 100 texts kept process-wide, most recent first.
// The kept texts belong to one software folder and language: when either has changed since, they
// are dropped before the next lookup, so one maker's text never answers for another's.

constexpr size_t kVehicleTextCacheSize = 100;

// The narrow text of a key (UTF-8, or the language's code page when DBFORMAT is 1): the first item
// of the key's record up to its first zero byte, when the record has exactly one item. Empty when
// there is none, and then nothing is kept, so the next lookup of the key reads the file again.
std::string GetVehicleTextA(const ByteString& key);

// Drops every kept text; done at every start of a diagnosis.
void ClearVehicleTextCache();

size_t GetVehicleTextCacheCount();
