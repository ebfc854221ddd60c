#pragma once
// The trouble-code screen's request and answers in the exchange block, and the small text rules of
// its rows.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

// The option byte of a request that carries its texts instead of database keys.
constexpr uint8_t kDtcFreeTextOption = 0x80;
// The codes counter of the diagnostic program is 8 bits wide: a larger count is cut to this.
constexpr size_t kMaxDtcEntries = 255;

struct DTC_TEXT_ENTRY {
    std::string code;
    std::string description;
    std::string status;
};

struct DTC_KEY_ENTRY {
    std::vector<uint8_t> key;  // 6 or 12 bytes; empty for a literal entry
    bool literal = false;
    std::string literalCode;   // a literal entry's code text
    std::string status;
    std::string displayCode;   // without "SAE:"; empty when the entry carries none
};

struct DTC_REQUEST {
    uint8_t option = 0;
    uint16_t count = 0;  // as the request says
    std::string title;
    bool freeText = false;
    std::vector<DTC_TEXT_ENTRY> texts;  // free-text form
    bool wideKeys = false;               // database form: 12-byte keys and a database folder
    std::string databaseFolder;
    std::vector<DTC_KEY_ENTRY> keys;     // database form
    // Database form: a status text was met before the first literal entry.
    bool statusColumn = false;
};

// Reads a trouble-code request; every read stops at the end of the frame area, and at most
// kMaxDtcEntries entries are taken.
DTC_REQUEST ParseDtcRequest(ExchangeBlock block);

// Whether the free-text entries need the status column.
bool AnyStatusText(const std::vector<DTC_TEXT_ENTRY>& entries);

// The answer: the key code at [4], length 5.
void WriteDtcAnswer(ExchangeBlock block, uint8_t keyCode);
// The answer to a click on a code: key code 255 and the row at [6..7]; the length stays 5.
void WriteDtcClickAnswer(ExchangeBlock block, uint16_t row);

// A 6-byte key as twelve lower-case hex digits.
std::string DtcKeyHex(const std::vector<uint8_t>& key);
// The short code text of a 6-byte key: its last two bytes as four upper-case hex digits.
std::string DtcShortCode(const std::vector<uint8_t>& key);
// A database text longer than 150 characters: its first 147 and "...".
std::wstring CutDtcText(const std::wstring& text);
// A display code that carries the marker "3FFE": the code after the marker, prefixed with P, C, B
// or U by the top two bits of its first byte (its first two hex digits). Any other code unchanged.
std::string ExpandMarkedDtcCode(const std::string& code);
