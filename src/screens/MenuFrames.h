#pragma once
// The menu screen's request and answers in the exchange block.
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

struct MENU_REQUEST {
    int16_t selection = -1;  // -1: no row chosen
    uint16_t firstRow = 0;
    uint16_t itemCount = 0;  // as the request says
    bool titleEmpty = true;
    std::vector<std::string> items;  // at most 300, ending at the frame area
};

constexpr size_t kMaxMenuItems = 300;

// Reads a menu request. A chosen row above the first row of the page shows the list from row 0.
MENU_REQUEST ParseMenuRequest(ExchangeBlock block);

// The answer to a click: the chosen row and the first row of the page, then (not counted in the
// length) "MENU_CHOOSED" and the menu path in UTF-16 when the path is not empty.
void WriteMenuClickAnswer(ExchangeBlock block, uint16_t chosenRow, uint16_t firstRow, const std::u16string& path);

// The answer to Back: 0xFFFF and the first row of the page.
void WriteMenuBackAnswer(ExchangeBlock block, uint16_t firstRow);
