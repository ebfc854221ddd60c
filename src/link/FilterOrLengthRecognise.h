#pragma once
// Which received frames the vehicle interface is to react to: one type-length-value record of at
// most 300 bytes. A command message carries it as the flag's low byte and the used data bytes.
// The record's size byte counts what follows it, so a record whose rest would pass 255 bytes is
// refused (CEcuCommException, code 6, the record unchanged) rather than sent with a size cut.
#include <cstdint>
#include <initializer_list>

#include "ByteString.h"

class CFilterOrLengthRecognise {
public:
    static constexpr int kDataSize = 300;
    static constexpr int kMaxRestSize = 255;
    static constexpr int kMaxFilterBytes = kMaxRestSize - 2;  // position and count come first

    CFilterOrLengthRecognise() { Reset(); }

    void Reset();
    uint16_t GetLength() const { return m_length; }
    uint16_t GetFlag() const { return m_flag; }
    const uint8_t* GetData() const { return m_data; }

    // Record 01: position, count, then the count bytes; refused for a count outside 0 to
    // kMaxFilterBytes.
    void SetFilter(uint8_t position, int count, const uint8_t* bytes);
    // Record 02, one entry per pattern of 2 or 4 bytes, started by the first; a record of another
    // type is kept. An entry that would take the entries past kMaxRestSize bytes is refused.
    void AddPattern(const ByteString& pattern);
    void SetKind81(uint8_t a, uint8_t b, uint8_t c);
    void SetKind82();

private:
    void Replace(std::initializer_list<uint8_t> head);

    uint16_t m_length = 0;
    uint16_t m_flag = 0;
    uint8_t m_data[kDataSize] = {};
};
