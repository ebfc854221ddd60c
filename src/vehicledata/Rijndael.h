#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>

// The Rijndael block cipher as published for the AES selection, with 128, 192 and 256-bit keys
// and blocks in every combination (AES is the 128-bit block). The headers of plain vehicle
// databases use a 256-bit block, which no maintained library offers, so the cipher is our own.
// One block at a time, no chaining: the chain block is kept but unused.
//
// The program only deciphers. Writers of enciphered files derive from this class and encipher
// with the same round keys and primitives.

// Thrown with one of the texts "Empty key", "Incorrect key length", "Incorrect block length",
// "Object not Initialized".
class RijndaelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CRijndael {
public:
    static constexpr int kMaxBlockSize = 32;
    static constexpr int kMaxRounds = 14;

    CRijndael() = default;
    virtual ~CRijndael() = default;

    // Lengths in bytes: 16, 24 or 32 each. Throws RijndaelError for a null key or another length;
    // the object is then as before.
    void MakeKey(const uint8_t* key, const uint8_t* chain, int keyLength, int blockSize);

    // Deciphers one block of the block length. Throws RijndaelError before MakeKey.
    void DecryptBlock(const uint8_t* in, uint8_t* out) const;

    bool IsInitialized() const { return m_initialized; }
    int GetKeyLength() const { return m_keyLength; }
    int GetBlockSize() const { return m_blockSize; }
    int GetRounds() const { return m_rounds; }

protected:
    using RoundKey = std::array<uint8_t, kMaxBlockSize>;  // column after column, as the state

    static uint8_t SubByte(uint8_t value);
    static uint8_t InvSubByte(uint8_t value);
    static uint8_t Multiply(uint8_t a, uint8_t b);  // in GF(2^8)
    // How far row `row` of a block of `columns` 32-bit columns is rotated left.
    static int ShiftOffset(int row, int columns);

    void RequireKey() const;
    int Columns() const { return m_blockSize / 4; }

    // Encryption round keys in cipher order; decryption uses them from the last to the first.
    const RoundKey& EncryptionKey(int round) const { return m_encryptionKeys[static_cast<size_t>(round)]; }
    const RoundKey& DecryptionKey(int step) const { return m_decryptionKeys[static_cast<size_t>(step)]; }

private:
    bool m_initialized = false;
    int m_keyLength = 0;
    int m_blockSize = 0;
    int m_rounds = 0;
    std::array<uint8_t, kMaxBlockSize> m_chain{};
    std::array<RoundKey, kMaxRounds + 1> m_encryptionKeys{};
    std::array<RoundKey, kMaxRounds + 1> m_decryptionKeys{};
};

// Deciphers the 32-byte header of a plain vehicle database with the program's header key.
void DecipherDbHeader(const uint8_t* in, uint8_t* out);
