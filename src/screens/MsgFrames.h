#pragma once
// The message screen's request in the exchange block, and the progress screen's: both carry a
// narrow text the screen shows and are answered with one byte (WriteKeyAnswer).
#include <cstdint>
#include <string>
#include <string_view>

#include "ExchangeBuffer.h"

struct MESSAGE_REQUEST {
    uint16_t typeWord = 0;
    std::string text;
    std::string title;  // empty: the screen's own title
};

// Reads a message request: the type word, the text and the title after the text's terminator.
MESSAGE_REQUEST ParseMessageRequest(ExchangeBlock block);

struct PROGRESS_REQUEST {
    uint8_t position = 0;
    std::string text;
    bool textIsTitle = false;
};

// Reads a progress request: the bar's position, the text and the title flag after its terminator.
PROGRESS_REQUEST ParseProgressRequest(ExchangeBlock block);

// Every bare line feed becomes CR LF, so the text breaks where the diagnostic program meant it to
// however it ended its lines.
std::wstring ToCrLfLines(std::wstring_view text);
