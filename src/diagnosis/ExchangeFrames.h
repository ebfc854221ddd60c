#pragma once
// The request and answer frames in the exchange block, read and written through bounded helpers:
// nothing reads or writes at or past the key mailbox (0xFFFC), and every text read from a request
// ends at its terminator or at the end of the frame area, whichever comes first.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ExchangeBuffer.h"

namespace exchange {
constexpr size_t kCommandOffset = 2;
constexpr size_t kOptionOffset = 3;
constexpr size_t kPayloadOffset = 4;
}  // namespace exchange

// Reads a request frame.
class CRequestReader {
public:
    explicit CRequestReader(ExchangeBlock block) : m_block(block) {}

    uint8_t Command() const { return m_block[exchange::kCommandOffset]; }
    uint8_t Option() const { return m_block[exchange::kOptionOffset]; }
    // 0 for an offset beyond the frame area.
    uint8_t U8(size_t offset) const;
    uint16_t BE16(size_t offset) const;
    int16_t SignedBE16(size_t offset) const { return static_cast<int16_t>(BE16(offset)); }
    // The NUL-terminated narrow text at `offset`; `offset` moves past its terminator (or to the
    // end of the frame area when the text has none).
    std::string Text(size_t& offset) const;

private:
    ExchangeBlock m_block;
};

// Writes an answer frame over the request.
class CAnswerWriter {
public:
    explicit CAnswerWriter(ExchangeBlock block) : m_block(block) {}

    // Bytes 0 and 1: 0 and the answer's length. Bytes 2 and 3 keep the request's command and option.
    void Header(uint8_t length);
    // Each returns false (and writes nothing) when the value would reach the key mailbox.
    bool U8(size_t offset, uint8_t value);
    bool BE16(size_t offset, uint16_t value);
    // A UTF-16LE text and its terminator; cut so that both end below the mailbox. Returns the
    // offset after the terminator.
    size_t Utf16Text(size_t offset, std::u16string_view text);
    // A narrow text and its terminator, cut likewise. Returns the offset after the terminator.
    size_t NarrowText(size_t offset, std::string_view text);

private:
    ExchangeBlock m_block;
};

// What the frame does with a command code.
enum class FRAME_COMMAND { Text, Help, Question, EndDiagnosis, StartDiagnosis, Screen, Other };

FRAME_COMMAND ClassifyCommand(uint8_t code);
// The view that serves a screen code; nothing for other codes.
std::optional<int> ScreenViewId(uint8_t code);

// The start of a diagnosis: the vehicle database version, the second text of the request, read the
// way atof reads a number (0 when it holds none).
float ParseDatabaseVersion(ExchangeBlock block);

// The answer to the start of a diagnosis. Texts are in the thread's ANSI code page.
struct START_ANSWER {
    std::string softwareFolder;  // the trailing backslash is removed when written
    std::string languageCode;
    std::string runMode;
    uint8_t unitMode = 0;
    std::string recordFlag;
    uint8_t launched = 0;
};

// Writes the answer from offset 4 and its big-endian length at 0-1; returns that length.
uint16_t WriteStartAnswer(ExchangeBlock block, const START_ANSWER& answer);

// The answer to a text request: the UTF-16 text and its terminator from offset 4, bytes 0-3 untouched.
void WriteTextAnswer(ExchangeBlock block, std::u16string_view text);

// The answer to a question: always 2, whatever the user pressed.
void WriteQuestionAnswer(ExchangeBlock block);

// An answer of one byte (a key's code) at offset 4, total length 5.
void WriteKeyAnswer(ExchangeBlock block, uint8_t key);
