#pragma once
// The version-list screen's request and answer in the exchange block.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ExchangeBuffer.h"

// The diagnostic program counts the pairs with one byte: a list holds at most 255 of them.
constexpr size_t kMaxVersionPairs = 255;

constexpr uint8_t kVerKeyBack = 1;

struct VER_REQUEST {
    uint16_t pairCount = 0;  // as the request says
    std::string title;
    std::vector<std::pair<std::string, std::string>> pairs;  // name and value; ending at the frame area
};

VER_REQUEST ParseVerRequest(ExchangeBlock block);

// The answer: the key at 4, length 5.
void WriteVerAnswer(ExchangeBlock block, uint8_t key);
