#pragma once
// Hand-made string-file bytes for the tests of the reader: fields are given one by one, so a test
// can say a count or a byteLen that does not fit the bytes behind it.
#include <cstdint>
#include <string>

#include "ByteSubstitution.h"

inline std::string LittleEndian(uint32_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

inline std::string CountField(int32_t count) { return LittleEndian(static_cast<uint32_t>(count), 4); }

// The stored (substituted) UTF-16LE bytes of a text.
inline std::string StoredText(const std::u16string& text)
{
    std::string bytes;
    for (const char16_t unit : text)
        bytes += LittleEndian(unit, 2);
    ResScrambleBytes(reinterpret_cast<uint8_t*>(bytes.data()), bytes.size());
    return bytes;
}

// A record whose byteLen is the stored text's length.
inline std::string RecordBytes(uint32_t id, const std::u16string& text)
{
    const std::string stored = StoredText(text);
    return LittleEndian(id, 4) + LittleEndian(static_cast<uint32_t>(stored.size()), 2) + stored;
}

// A record header claiming byteLen, followed by whatever bytes the test gives.
inline std::string RecordHeader(uint32_t id, uint16_t byteLen)
{
    return LittleEndian(id, 4) + LittleEndian(byteLen, 2);
}
