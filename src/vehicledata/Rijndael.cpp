#include "Rijndael.h"

#include <algorithm>
#include <cstring>

#include "VehicleDataTables.h"

namespace {

constexpr uint8_t TimesX(uint8_t a) { return static_cast<uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1B : 0x00)); }

constexpr uint8_t RotateLeft(uint8_t a, int n) { return static_cast<uint8_t>((a << n) | (a >> (8 - n))); }

// The S-box from its definition: the multiplicative inverse in GF(2^8), then the affine map. The
// inverses come from powers of the generator 3, so the tables cost a few thousand steps at compile
// time and no transcribed constants.
struct Boxes {
    std::array<uint8_t, 256> forward{};
    std::array<uint8_t, 256> inverse{};
};

constexpr Boxes MakeBoxes()
{
    std::array<uint8_t, 256> power{};
    std::array<uint8_t, 256> logarithm{};
    uint8_t value = 1;
    for (int i = 0; i < 255; ++i) {
        power[static_cast<size_t>(i)] = value;
        logarithm[value] = static_cast<uint8_t>(i);
        value = static_cast<uint8_t>(value ^ TimesX(value));  // times 3
    }
    Boxes boxes;
    for (int x = 0; x < 256; ++x) {
        const uint8_t inverse = x == 0 ? 0 : power[static_cast<size_t>((255 - logarithm[static_cast<size_t>(x)]) % 255)];
        const uint8_t s = static_cast<uint8_t>(inverse ^ RotateLeft(inverse, 1) ^ RotateLeft(inverse, 2) ^
                                               RotateLeft(inverse, 3) ^ RotateLeft(inverse, 4) ^ 0x63);
        boxes.forward[static_cast<size_t>(x)] = s;
        boxes.inverse[s] = static_cast<uint8_t>(x);
    }
    return boxes;
}

constexpr Boxes kBoxes = MakeBoxes();
static_assert(kBoxes.forward[0x00] == 0x63 && kBoxes.forward[0x53] == 0xED && kBoxes.forward[0xFF] == 0x16);
static_assert(kBoxes.inverse[0x63] == 0x00);

bool IsValidLength(int length) { return length == 16 || length == 24 || length == 32; }

}  // namespace

uint8_t CRijndael::SubByte(uint8_t value) { return kBoxes.forward[value]; }

uint8_t CRijndael::InvSubByte(uint8_t value) { return kBoxes.inverse[value]; }

uint8_t CRijndael::Multiply(uint8_t a, uint8_t b)
{
    uint8_t product = 0;
    while (b) {
        if (b & 1)
            product ^= a;
        a = TimesX(a);
        b >>= 1;
    }
    return product;
}

int CRijndael::ShiftOffset(int row, int columns)
{
    // Rows 2 and 3 move further in a 256-bit block, so that each column spreads over four others.
    static constexpr int kOffsets[2][4] = {{0, 1, 2, 3}, {0, 1, 3, 4}};
    return kOffsets[columns == 8 ? 1 : 0][row];
}

void CRijndael::RequireKey() const
{
    if (!m_initialized)
        throw RijndaelError("Object not Initialized");
}

void CRijndael::MakeKey(const uint8_t* key, const uint8_t* chain, int keyLength, int blockSize)
{
    if (!key)
        throw RijndaelError("Empty key");
    if (!IsValidLength(keyLength))
        throw RijndaelError("Incorrect key length");
    if (!IsValidLength(blockSize))
        throw RijndaelError("Incorrect block length");

    const int keyWords = keyLength / 4;
    const int columns = blockSize / 4;
    const int rounds = 6 + std::max(keyWords, columns);
    const int totalWords = columns * (rounds + 1);

    // The expanded key, one 4-byte word after another.
    std::array<uint8_t, kMaxBlockSize * (kMaxRounds + 1)> words{};
    std::memcpy(words.data(), key, static_cast<size_t>(keyLength));
    uint8_t roundConstant = 1;
    for (int i = keyWords; i < totalWords; ++i) {
        uint8_t word[4];
        std::memcpy(word, &words[static_cast<size_t>(4 * (i - 1))], 4);
        if (i % keyWords == 0) {
            const uint8_t first = word[0];
            word[0] = static_cast<uint8_t>(SubByte(word[1]) ^ roundConstant);
            word[1] = SubByte(word[2]);
            word[2] = SubByte(word[3]);
            word[3] = SubByte(first);
            roundConstant = TimesX(roundConstant);
        } else if (keyWords > 6 && i % keyWords == 4) {
            for (uint8_t& byte : word)
                byte = SubByte(byte);
        }
        for (size_t b = 0; b < 4; ++b)
            words[static_cast<size_t>(4 * i) + b] = static_cast<uint8_t>(words[static_cast<size_t>(4 * (i - keyWords)) + b] ^ word[b]);
    }

    m_encryptionKeys = {};
    m_decryptionKeys = {};
    for (int round = 0; round <= rounds; ++round) {
        std::memcpy(m_encryptionKeys[static_cast<size_t>(round)].data(), &words[static_cast<size_t>(blockSize * round)],
                    static_cast<size_t>(blockSize));
    }
    for (int step = 0; step <= rounds; ++step)
        m_decryptionKeys[static_cast<size_t>(step)] = m_encryptionKeys[static_cast<size_t>(rounds - step)];
    m_chain = {};
    if (chain)
        std::memcpy(m_chain.data(), chain, static_cast<size_t>(blockSize));
    m_keyLength = keyLength;
    m_blockSize = blockSize;
    m_rounds = rounds;
    m_initialized = true;
}

void CRijndael::DecryptBlock(const uint8_t* in, uint8_t* out) const
{
    RequireKey();
    const int columns = Columns();
    const size_t size = static_cast<size_t>(m_blockSize);
    std::array<uint8_t, kMaxBlockSize> state{};
    std::array<uint8_t, kMaxBlockSize> shifted{};
    std::memcpy(state.data(), in, size);

    auto addRoundKey = [&](const RoundKey& key) {
        for (size_t i = 0; i < size; ++i)
            state[i] ^= key[i];
    };
    // Inverse of the row rotation, followed by the inverse S-box.
    auto invShiftAndSub = [&]() {
        for (int row = 0; row < 4; ++row) {
            const int offset = ShiftOffset(row, columns);
            for (int column = 0; column < columns; ++column) {
                const int to = (column + offset) % columns;
                shifted[static_cast<size_t>(row + 4 * to)] = InvSubByte(state[static_cast<size_t>(row + 4 * column)]);
            }
        }
        state = shifted;
    };
    auto invMixColumns = [&]() {
        for (int column = 0; column < columns; ++column) {
            uint8_t* c = &state[static_cast<size_t>(4 * column)];
            const uint8_t a0 = c[0], a1 = c[1], a2 = c[2], a3 = c[3];
            c[0] = static_cast<uint8_t>(Multiply(a0, 14) ^ Multiply(a1, 11) ^ Multiply(a2, 13) ^ Multiply(a3, 9));
            c[1] = static_cast<uint8_t>(Multiply(a0, 9) ^ Multiply(a1, 14) ^ Multiply(a2, 11) ^ Multiply(a3, 13));
            c[2] = static_cast<uint8_t>(Multiply(a0, 13) ^ Multiply(a1, 9) ^ Multiply(a2, 14) ^ Multiply(a3, 11));
            c[3] = static_cast<uint8_t>(Multiply(a0, 11) ^ Multiply(a1, 13) ^ Multiply(a2, 9) ^ Multiply(a3, 14));
        }
    };

    addRoundKey(DecryptionKey(0));
    for (int step = 1; step < m_rounds; ++step) {
        invShiftAndSub();
        addRoundKey(DecryptionKey(step));
        invMixColumns();
    }
    invShiftAndSub();
    addRoundKey(DecryptionKey(m_rounds));
    std::memcpy(out, state.data(), size);
}

void DecipherDbHeader(const uint8_t* in, uint8_t* out)
{
    static const CRijndael cipher = [] {
        CRijndael made;
        const uint8_t chain[32] = {};
        made.MakeKey(reinterpret_cast<const uint8_t*>(kDbHeaderKey), chain, 32, 32);
        return made;
    }();
    cipher.DecryptBlock(in, out);
}
