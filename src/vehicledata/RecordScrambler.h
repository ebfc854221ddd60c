#pragma once
#include <cstdint>

// The parameters a plain database's header gives its record scrambler: a 32-bit word (header bytes
// 2 to 5, high byte first) and one byte (header byte 7). The item scrambling of this format
// (DbItem.h) is keyed by the program alone, so no record reads differently for them; they are
// kept as the header states them.
class RecordScrambler {
public:
    void SetWord(uint32_t value);
    // Keeps the low byte of `value`.
    void SetByte(uint32_t value);

    uint32_t GetWord() const { return m_word; }
    uint8_t GetByte() const { return m_byte; }

private:
    uint32_t m_word = 0;
    uint8_t m_byte = 0;
};
