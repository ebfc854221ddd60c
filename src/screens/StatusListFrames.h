#pragma once
// The status-list screen's request (command 120) and its answer in the exchange block.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

struct STATUS_KEY {
    std::string caption;  // empty: the key is hidden
    bool enabled = false;
};

struct STATUS_ROW {
    std::string name;
    std::string value;
    std::string unit;
};

struct STATUS_LIST_REQUEST {
    uint16_t keyCount = 0;
    uint16_t layout = 0;
    bool drawable = false;  // false: answered, but nothing is drawn
    std::string title;
    std::array<std::string, 4> texts;  // of 1065, 1168, 1169, 1170
    std::vector<STATUS_KEY> keys;
    bool hasTable = false;  // a table of at most ten rows follows (layouts 3 and 5)
    uint16_t totalRows = 0;
    uint16_t firstRow = 0;
    std::vector<STATUS_ROW> rows;
};

constexpr size_t kMaxStatusKeys = 4;
constexpr size_t kMaxStatusRowsOnPage = 10;

namespace status_list {
constexpr uint8_t kNothing = 255;
constexpr uint8_t kFirstSoftKey = 16;  // 16..19 for the keys 3017..3020
constexpr uint8_t kEditLineFocused = 20;
constexpr uint8_t kPageDown = 14;
constexpr uint8_t kPageUp = 15;
}  // namespace status_list

// Whether a layout type is one the screen draws (3, 5, 8, 11, 12).
bool IsStatusLayout(uint16_t type);
// Whether the layout holds the table (3, 5), and whether its page keys page it (5).
bool StatusLayoutHasTable(uint16_t type);

STATUS_LIST_REQUEST ParseStatusListRequest(ExchangeBlock block);

// The answer: the action, the first row and the rows a page holds.
void WriteStatusListAnswer(ExchangeBlock block, uint8_t action, uint16_t firstRow, uint8_t rowsPerPage);
