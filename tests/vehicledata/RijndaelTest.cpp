#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "HexBytes.h"
#include "Rijndael.h"
#include "RijndaelEncipher.h"

namespace {

struct VectorCase {
    const char* name;
    const char* key;
    const char* plain;
    const char* cipher;
};

void PrintTo(const VectorCase& c, std::ostream* out) { *out << c.name; }

const char* const kPi128 = "3243f6a8885a308d313198a2e0370734";
const char* const kPi256 = "3243f6a8885a308d313198a2e03707344a4093822299f31d0082efa98ec4e6c8";
const char* const kCounting = "00112233445566778899aabbccddeeff";

// The AES vectors of FIPS-197 (appendices B and C) and the published Rijndael vectors for 256-bit
// blocks (plaintext the digits of pi, keys the digits of e).
const VectorCase kVectors[] = {
    {"AES-128 appendix B", "2b7e151628aed2a6abf7158809cf4f3c", kPi128, "3925841d02dc09fbdc118597196a0b32"},
    {"AES-128 C.1", "000102030405060708090a0b0c0d0e0f", kCounting, "69c4e0d86a7b0430d8cdb78070b4c55a"},
    {"AES-192 C.2", "000102030405060708090a0b0c0d0e0f1011121314151617", kCounting, "dda97ca4864cdfe06eaf70a0ec0d7191"},
    {"AES-256 C.3", "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f", kCounting,
     "8ea2b7ca516745bfeafc49904b496089"},
    {"block 256, key 256", "2b7e151628aed2a6abf7158809cf4f3c762e7160f38b4da56a784d9045190cfe", kPi256,
     "a49406115dfb30a40418aafa4869b7c6a886ff31602a7dd19c889dc64f7e4e7a"},
    {"block 256, key 128", "2b7e151628aed2a6abf7158809cf4f3c", kPi256,
     "7d15479076b69a46ffb3b3beae97ad8313f622f67fedb487de9f06b9ed9c8f19"},
};

class RijndaelVectorTest : public ::testing::TestWithParam<VectorCase> {
protected:
    void SetUp() override
    {
        key = FromHex(GetParam().key);
        plain = FromHex(GetParam().plain);
        cipher = FromHex(GetParam().cipher);
        const std::vector<uint8_t> chain(plain.size(), 0);
        rijndael.MakeKey(key.data(), chain.data(), static_cast<int>(key.size()), static_cast<int>(plain.size()));
    }

    std::vector<uint8_t> key, plain, cipher;
    CRijndaelEncipher rijndael;
};

TEST_P(RijndaelVectorTest, Deciphers)
{
    std::vector<uint8_t> out(plain.size());
    rijndael.DecryptBlock(cipher.data(), out.data());
    EXPECT_EQ(ToHex(out), GetParam().plain);
}

TEST_P(RijndaelVectorTest, Enciphers)
{
    std::vector<uint8_t> out(plain.size());
    rijndael.EncryptBlock(plain.data(), out.data());
    EXPECT_EQ(ToHex(out), GetParam().cipher);
}

TEST_P(RijndaelVectorTest, DeciphersInPlace)
{
    std::vector<uint8_t> block = cipher;
    rijndael.DecryptBlock(block.data(), block.data());
    EXPECT_EQ(ToHex(block), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Published, RijndaelVectorTest, ::testing::ValuesIn(kVectors));

struct RefusalCase {
    const char* name;
    bool nullKey;
    int keyLength;
    int blockSize;
    const char* text;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class RijndaelRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RijndaelRefusalTest, ThrowsItsTextAndStaysUninitialised)
{
    const RefusalCase& c = GetParam();
    const uint8_t key[32] = {};
    CRijndael rijndael;
    try {
        rijndael.MakeKey(c.nullKey ? nullptr : key, nullptr, c.keyLength, c.blockSize);
        FAIL() << "no exception";
    } catch (const RijndaelError& error) {
        EXPECT_STREQ(error.what(), c.text);
    }
    EXPECT_FALSE(rijndael.IsInitialized());
}

INSTANTIATE_TEST_SUITE_P(Cases, RijndaelRefusalTest, ::testing::Values(
    RefusalCase{"null key", true, 16, 16, "Empty key"},
    RefusalCase{"null key before a bad length", true, 20, 8, "Empty key"},
    RefusalCase{"key length 20", false, 20, 16, "Incorrect key length"},
    RefusalCase{"key length 0", false, 0, 16, "Incorrect key length"},
    RefusalCase{"block length 8", false, 16, 8, "Incorrect block length"},
    RefusalCase{"block length 64", false, 32, 64, "Incorrect block length"}));

TEST(Rijndael, RefusesToWorkBeforeItHasAKey)
{
    uint8_t block[32] = {};
    const CRijndaelEncipher rijndael;
    try {
        rijndael.DecryptBlock(block, block);
        FAIL() << "no exception";
    } catch (const RijndaelError& error) {
        EXPECT_STREQ(error.what(), "Object not Initialized");
    }
    EXPECT_THROW(rijndael.EncryptBlock(block, block), RijndaelError);
}

TEST(Rijndael, KeepsItsKeyWhenANewOneIsRefused)
{
    const std::vector<uint8_t> key = FromHex("000102030405060708090a0b0c0d0e0f");
    CRijndael rijndael;
    rijndael.MakeKey(key.data(), nullptr, 16, 16);
    EXPECT_THROW(rijndael.MakeKey(key.data(), nullptr, 16, 12), RijndaelError);
    const std::vector<uint8_t> cipher = FromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
    uint8_t out[16];
    rijndael.DecryptBlock(cipher.data(), out);
    EXPECT_EQ(ToHex(out, 16), kCounting);
}

struct RoundsCase {
    int keyLength;
    int blockSize;
    int rounds;
};

void PrintTo(const RoundsCase& c, std::ostream* out) { *out << "key " << c.keyLength << " block " << c.blockSize; }

class RijndaelRoundsTest : public ::testing::TestWithParam<RoundsCase> {};

TEST_P(RijndaelRoundsTest, FollowsTheLargerOfKeyAndBlock)
{
    const uint8_t key[32] = {};
    CRijndael rijndael;
    rijndael.MakeKey(key, nullptr, GetParam().keyLength, GetParam().blockSize);
    EXPECT_EQ(rijndael.GetRounds(), GetParam().rounds);
}

INSTANTIATE_TEST_SUITE_P(Cases, RijndaelRoundsTest, ::testing::Values(
    RoundsCase{16, 16, 10}, RoundsCase{16, 24, 12}, RoundsCase{16, 32, 14}, RoundsCase{24, 16, 12},
    RoundsCase{24, 32, 14}, RoundsCase{32, 16, 14}, RoundsCase{32, 32, 14}));

// Every size pair: what is enciphered deciphers back, so the general path holds for the 192-bit
// sizes too, which have no published vector here.
TEST(Rijndael, EverySizePairRoundTrips)
{
    uint8_t key[32];
    uint8_t plain[32];
    for (int i = 0; i < 32; ++i) {
        key[i] = static_cast<uint8_t>(i * 7 + 3);
        plain[i] = static_cast<uint8_t>(255 - i * 5);
    }
    for (const int keyLength : {16, 24, 32}) {
        for (const int blockSize : {16, 24, 32}) {
            CRijndaelEncipher rijndael;
            rijndael.MakeKey(key, nullptr, keyLength, blockSize);
            uint8_t cipher[32] = {};
            uint8_t back[32] = {};
            rijndael.EncryptBlock(plain, cipher);
            EXPECT_NE(std::memcmp(cipher, plain, static_cast<size_t>(blockSize)), 0);
            rijndael.DecryptBlock(cipher, back);
            EXPECT_EQ(std::memcmp(back, plain, static_cast<size_t>(blockSize)), 0) << keyLength << "/" << blockSize;
        }
    }
}

TEST(DecipherDbHeader, ReadsAHeaderEncipheredWithTheHeaderKey)
{
    // "PT", K = 4, version 0003.2500, count 2, "EN", zeros elsewhere.
    const std::vector<uint8_t> plain =
        FromHex("5054000000000400000325000000000245" "4e" "0000000000000000000000000000");
    ASSERT_EQ(plain.size(), 32u);
    const char* const stored = "0064ce6fea55a670ee6a0294e8fe319584d4268fb52dffd52a29d834107b3211";
    uint8_t out[32];
    EncipherDbHeader(plain.data(), out);
    EXPECT_EQ(ToHex(out, 32), stored);
    DecipherDbHeader(FromHex(stored).data(), out);
    EXPECT_EQ(ToHex(out, 32), ToHex(plain));
}

}  // namespace
