#include "RecordScrambler.h"

void RecordScrambler::SetWord(uint32_t value)
{
    m_word = value;
}

void RecordScrambler::SetByte(uint32_t value)
{
    m_byte = static_cast<uint8_t>(value);
}
