#pragma once
// The value-input screen's request and answer in the exchange block.
#include <cstdint>
#include <string>
#include <string_view>

#include "ExchangeBuffer.h"

// Six narrow texts one after the other from offset 4; the input type always takes exactly two
// bytes (its character and a terminator), whatever they hold.
struct INPUT_REQUEST {
    std::string prompt;
    std::string title;
    std::string initialValue;
    std::string inputType;  // "9", "X", "A" or anything else
    std::string minimum;
    std::string maximum;
};

// The longest typed text the answer carries: its length byte counts the text and 6 more bytes.
constexpr size_t kMaxInputAnswerText = 249;

constexpr uint8_t kInputKeyAccept = 1;
constexpr uint8_t kInputKeyBack = 2;

INPUT_REQUEST ParseInputRequest(ExchangeBlock block);

// Whether an accepted text may be answered: for input type "9" the value must lie between the
// minimum and the maximum (each read as a leading signed decimal integer); other types always may.
bool InputValueAcceptable(const INPUT_REQUEST& request, std::string_view value);

// The answer: the key at 4, from 5 the typed text (cut to kMaxInputAnswerText bytes) and its
// terminator; byte 1 holds the text's length + 6. The screen's field never holds more than that
// (whole characters), so the cut only guards the length byte.
void WriteInputAnswer(ExchangeBlock block, uint8_t key, std::string_view text);
