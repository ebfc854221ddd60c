#pragma once
// The quick-test screen's request (command 100) and its answer in the exchange block.
#include <cstdint>
#include <string>
#include <vector>

#include "ExchangeBuffer.h"

struct SHORT_TEST_ROW {
    std::string item;
    std::string result;
};

struct SHORT_TEST_REQUEST {
    uint16_t count = 0;  // as the request says
    std::string title;
    int mode = 0;        // 1: the toggle key is shown; 2: shown and disabled; 0: no mode word
    std::vector<SHORT_TEST_ROW> rows;  // at most 300, ending at the frame area
};

constexpr size_t kMaxShortTestRows = 300;

// The user's last action, reported with the answer to the next request.
namespace short_test {
constexpr uint8_t kNothing = 255;
constexpr uint8_t kRowClicked = 13;
constexpr uint8_t kBack = 2;
constexpr uint8_t kToggledOff = 1;
constexpr uint8_t kToggledOn = 29;
}  // namespace short_test

// The toggle key runs and holds the test. Its caption names what the next press does, so a running
// test shows "Stop" and a held one "Activate".
struct SHORT_TEST_TOGGLE {
    uint8_t action;      // reported with the next answer
    bool running;        // the state after the press
    uint32_t captionId;  // the caption for the press after this one
};
constexpr uint32_t kShortTestStopCaption = 0x10000913;
constexpr uint32_t kShortTestActivateCaption = 0x1000010B;
uint32_t ShortTestToggleCaption(bool running);
SHORT_TEST_TOGGLE PressShortTestToggle(bool running);

// Reads a request. The word after the title is a mode word only when it is 1 or 2; any other value
// is already the first item.
SHORT_TEST_REQUEST ParseShortTestRequest(ExchangeBlock block);

// The answer: the action, and the clicked row when the action is a click.
void WriteShortTestAnswer(ExchangeBlock block, uint8_t action, uint16_t clickedRow);
