#pragma once
// The requests of the built-in demo, one builder per screen kind, with the layouts the shell reads.
#include <cstdint>
#include <string>
#include <vector>

#include "Request.h"

// A six-byte key of the demo's databases: four zero bytes, then the id.
std::vector<uint8_t> DemoKey(uint16_t id);

CRequest MenuRequest(int selection, int firstRow, const std::string& title, const std::vector<std::string>& items);

struct DTC_ENTRY {
    uint16_t key;             // database form
    std::string code;         // free-text form
    std::string description;  // free-text form
    std::string status;
    std::string displayCode;  // database form; empty for none
};
// Trouble codes by six-byte database keys, or as texts (the free-text form).
CRequest DtcRequest(const std::string& title, const std::vector<DTC_ENTRY>& codes, bool texts);

// Command 60; `type` is the box type word.
CRequest MessageRequest(uint16_t type, const std::string& text, const std::string& title);
// Command 80.
CRequest ProgressRequest(int percent, const std::string& text, bool textIsTitle);

// Command 40, the multiple-selection form: the first `preselected` rows marked.
CRequest SelectionRequest(const std::string& title, const std::vector<std::string>& items, int preselected,
                          const std::string& status);

struct ID_VALUE {
    uint16_t id;
    std::string value;
};
// Command 20, id form with local paging.
CRequest LiveDataRequest(const std::string& title, const std::vector<ID_VALUE>& items);

// Command 30, id form; `waits` chooses the answer mode (option 0xFF) over the key mode.
CRequest ActuatorRequest(const std::string& title, const std::vector<std::string>& buttons, const std::vector<ID_VALUE>& rows,
                         bool waits, const std::string& help);

// Command 110; buttons named by database keys; the bar runs from 0 to 100.
CRequest SpecialFunctionRequest(const std::string& title, const std::vector<uint16_t>& buttons,
                                const std::vector<ID_VALUE>& rows, const std::string& text, bool update);

// Command 70.
CRequest InputRequest(const std::string& prompt, const std::string& title, const std::string& value, char type,
                      const std::string& minimum, const std::string& maximum);

// Command 50.
CRequest VersionRequest(const std::string& title, const std::vector<std::pair<std::string, std::string>>& pairs);

// Command 100 with the toggle key (mode word 1).
CRequest ShortTestRequest(const std::string& title, const std::vector<std::pair<std::string, std::string>>& results);

struct STATUS_ROW {
    std::string name;
    std::string unit;
    std::string value;
};
struct STATUS_KEY {
    std::string caption;
    bool enabled;
};
// Command 120, layout 5 with a table page.
CRequest StatusListRequest(const std::string& title, const std::vector<std::string>& lines,
                           const std::vector<STATUS_KEY>& keys, const std::vector<STATUS_ROW>& page, int total,
                           int firstRow);

struct MARKER {
    int x;  // percent of the picture area
    int y;
};
// Command 90.
CRequest PictureRequest(uint16_t type, const std::string& file, const std::string& title, const std::vector<MARKER>& markers);
