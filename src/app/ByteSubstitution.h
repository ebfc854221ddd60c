#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Every byte of a text in a string file is stored substituted, so that the files are not plain
// text. The program restores the bytes with a table of 256 pairs; a writer of string files uses the
// same table the other way round.

struct BYTE_SUBSTITUTION_PAIR {
    uint8_t plain;
    uint8_t stored;
};
static_assert(sizeof(BYTE_SUBSTITUTION_PAIR) == 2);

// The program's table: every byte value stands once as plain and once as stored.
extern const std::array<BYTE_SUBSTITUTION_PAIR, 256> g_ByteSubstitution;
static_assert(sizeof(std::array<BYTE_SUBSTITUTION_PAIR, 256>) == 512);

// Restores stored bytes in place: each takes the plain byte of the first pair whose stored byte
// equals it. False, with the buffer unchanged, when some byte has no pair.
bool ResDescrambleBytes(uint8_t* buffer, size_t count);

// The inverse, for writers: each plain byte takes the stored byte of the first pair whose plain byte
// equals it. False, with the buffer unchanged, when some byte has no pair.
bool ResScrambleBytes(uint8_t* buffer, size_t count);

// The same with any table. The program's own table pairs every byte, so only another table can
// leave a byte without a pair.
bool DescrambleBytesWith(std::span<const BYTE_SUBSTITUTION_PAIR> pairs, uint8_t* buffer, size_t count);
bool ScrambleBytesWith(std::span<const BYTE_SUBSTITUTION_PAIR> pairs, uint8_t* buffer, size_t count);
