#pragma once
// The special-function screen's request (command 110) in the exchange block. The screen answers
// every request at once with one byte (WriteKeyAnswer): the function key pressed since the last one.
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"
#include "RdsFrames.h"

namespace special_func {
constexpr uint8_t kUpdateForm = 0x80;
constexpr size_t kMaxButtons = 32;
constexpr size_t kMaxRows = 300;
constexpr uint8_t kButtonDisabled = 2;
constexpr uint8_t kNoKey = 255;
}  // namespace special_func

struct SPECIAL_FUNC_BUTTON {
    RDS_ID key = {};
    bool enabled = true;
};

struct SPECIAL_FUNC_ROW {
    RDS_ID key = {};
    RDS_ID second = {};  // 12-byte keys only
    std::string value;
};

struct SPECIAL_FUNC_REQUEST {
    bool updateForm = false;
    std::string title;  // empty: the screen's own title
    std::vector<SPECIAL_FUNC_BUTTON> buttons;  // at most 32; records beyond have no button
    bool longKeys = false;                     // 12-byte row keys
    std::vector<SPECIAL_FUNC_ROW> rows;        // at most 300, ending at the frame area
    std::string text;                          // the text area's
    uint16_t lower = 0;
    uint16_t upper = 0;
    uint16_t extra = 0;  // the word after the bounds, which nothing shows
};

// Reads a request. Counts are cut to what the frame area holds; a text area whose first two bytes are
// both zero reads as "1".
SPECIAL_FUNC_REQUEST ParseSpecialFuncRequest(ExchangeBlock block);

// The number a value text shows: its leading integer, negative after a leading '-'.
int SpecialFuncValue(const std::string& text);

// The bar's position for a value: raised to the lower bound or lowered to the upper one. Bounds the
// wrong way round are taken the right way round.
int SpecialFuncBarPosition(int value, int lower, int upper);
