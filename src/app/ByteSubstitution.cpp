#include "ByteSubstitution.h"

#include <array>

namespace {

// The stored byte of a plain byte. Any fixed bijection of 0..255 serves: an odd multiplier makes
// this affine map one; the final exclusive-or breaks the arithmetic run of neighbouring bytes.
// Changing it garbles every string file already written.
constexpr uint8_t StoredByteOf(unsigned plain)
{
    return static_cast<uint8_t>(((plain * 0x6Du + 0x3Bu) & 0xFFu) ^ 0xA5u);
}

constexpr std::array<BYTE_SUBSTITUTION_PAIR, 256> MakeTable()
{
    std::array<BYTE_SUBSTITUTION_PAIR, 256> table{};
    for (unsigned plain = 0; plain < 256; ++plain)
        table[plain] = {static_cast<uint8_t>(plain), StoredByteOf(plain)};
    return table;
}

constexpr bool PairsEveryByte(const std::array<BYTE_SUBSTITUTION_PAIR, 256>& table)
{
    std::array<bool, 256> seen{};
    for (const auto& pair : table) {
        if (seen[pair.stored])
            return false;
        seen[pair.stored] = true;
    }
    return true;
}
static_assert(PairsEveryByte(MakeTable()), "a string file written with the table must be readable with it");

enum class Direction { Restore, Substitute };

// Maps every byte through the first pair that holds it on the "from" side; nothing is changed
// unless every byte has a pair, so a text either comes out whole or exactly as it was.
bool MapBytes(std::span<const BYTE_SUBSTITUTION_PAIR> pairs, Direction direction, uint8_t* buffer, size_t count)
{
    std::array<int, 256> to;
    to.fill(-1);
    for (const auto& pair : pairs) {
        const uint8_t from = direction == Direction::Restore ? pair.stored : pair.plain;
        if (to[from] < 0)
            to[from] = direction == Direction::Restore ? pair.plain : pair.stored;
    }
    for (size_t i = 0; i < count; ++i) {
        if (to[buffer[i]] < 0)
            return false;
    }
    for (size_t i = 0; i < count; ++i)
        buffer[i] = static_cast<uint8_t>(to[buffer[i]]);
    return true;
}

}  // namespace

constinit const std::array<BYTE_SUBSTITUTION_PAIR, 256> g_ByteSubstitution = MakeTable();

bool ResDescrambleBytes(uint8_t* buffer, size_t count)
{
    return MapBytes(g_ByteSubstitution, Direction::Restore, buffer, count);
}

bool ResScrambleBytes(uint8_t* buffer, size_t count)
{
    return MapBytes(g_ByteSubstitution, Direction::Substitute, buffer, count);
}

bool DescrambleBytesWith(std::span<const BYTE_SUBSTITUTION_PAIR> pairs, uint8_t* buffer, size_t count)
{
    return MapBytes(pairs, Direction::Restore, buffer, count);
}

bool ScrambleBytesWith(std::span<const BYTE_SUBSTITUTION_PAIR> pairs, uint8_t* buffer, size_t count)
{
    return MapBytes(pairs, Direction::Substitute, buffer, count);
}
