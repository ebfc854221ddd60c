#pragma once
// The actuator-test screen's request and answer in the exchange block.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"
#include "RdsFrames.h"

namespace active_test {
constexpr size_t kMaxButtons = 32;
constexpr size_t kMaxRows = 300;
constexpr size_t kCaptionBytes = 6;
constexpr uint8_t kDisabledState = 2;
constexpr uint8_t kIdAnswerMode = 0xFF;
constexpr uint8_t kTextAnswerMode = 0x8F;
constexpr uint8_t kKeyNone = 255;
constexpr int kFirstButton = 3017;
constexpr int kLastButton = 3049;
}  // namespace active_test

struct ACTIVE_TEST_BUTTON {
    std::string caption;  // the six caption bytes up to the first zero
    bool enabled = true;
};

// A row is read as a live-data item is: name, value and unit, or an id (and second field) and value.
using ACTIVE_TEST_ROW = RDS_ITEM;

struct ACTIVE_TEST_REQUEST {
    uint8_t option = 0;
    bool textForm = false;
    bool answerMode = false;    // 0xFF and 0x8F wait for the user; every other option answers at once
    bool editVisible = false;   // low nibble 1
    uint16_t buttonCount = 0;   // as the request says
    std::string title;
    std::vector<ACTIVE_TEST_BUTTON> buttons;  // the first 32 of the records the frame area holds
    uint8_t columnLayout = 0;   // low nibble 2 or 3 (never for 0xFF), else 0
    std::vector<std::string> headers;  // low nibble 2
    uint8_t rowLayout = 0;
    std::vector<ACTIVE_TEST_ROW> rows;  // at most 300, ending at the frame area
    std::string helpText;       // empty when none follows the rows
};

// Reads an actuator-test request. Counts are clamped to what the frame area holds; in the id form a
// row layout other than 0 and 1 takes no rows.
ACTIVE_TEST_REQUEST ParseActiveTestRequest(ExchangeBlock block);

// The answer: byte 4 the key (a button's index, or 255), and for a row clicked its number in
// bytes 6-7, big-endian.
void WriteActiveTestAnswer(ExchangeBlock block, uint8_t key, std::optional<uint16_t> clickedRow);

// The key a test button posts through the mailbox in key mode: 1 for the first button on.
uint8_t ActiveTestMailboxKey(int commandId);
