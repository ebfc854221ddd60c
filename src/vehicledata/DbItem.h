#pragma once
#include <cstddef>
#include <cstdint>

#include "ByteString.h"

// The bytes of a database record item are stored scrambled with the item key (VehicleDataTables.h),
// which restarts at every item: reading XORs byte i with key character i mod 38, swaps its two
// halves and inverts it; writing does the reverse.

// Unscrambles `length` bytes in place and returns them as a byte string (empty when the length is
// beyond what a byte string holds).
ByteString UnscrambleDbItem(uint8_t* bytes, size_t length);

// The inverse, for writers of databases: scrambles in place.
void ScrambleDbItem(uint8_t* bytes, size_t length);

// Reads `count` bytes from a wide text of hexadecimal digit pairs, pair i (characters 2i and 2i+1)
// giving byte i. 1 when all were read; 0 when a pointer is null, the text ends before its last
// pair, or a character is no hexadecimal digit (the bytes before it are written).
int HexToBytes(uint8_t* bytes, const wchar_t* text, int count);
