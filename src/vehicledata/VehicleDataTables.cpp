#include "VehicleDataTables.h"

namespace {

constexpr char kUpperLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The database letter map, A to Z in order: a keyboard row walk with alternating case.
constexpr char kDbLetterImages[] = "qWeRtYuIoPaSdFgHjKlZxCvBnM";
// The container name map, A to Z in order (lower-case letters take the same letters in lower case).
constexpr char kContainerLetterImages[] = "MNBVCXZLKJHGFDSAPOIUYTREWQ";

constexpr char LowerOf(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr std::array<DB_LETTER_PAIR, 27> MakeDbLetterTable()
{
    std::array<DB_LETTER_PAIR, 27> table{};
    for (size_t i = 0; i < 26; ++i)
        table[i] = {kUpperLetters[i], kDbLetterImages[i]};
    table[26] = {'_', '_'};
    return table;
}

constexpr bool MapsLettersApartIgnoringCase(const std::array<DB_LETTER_PAIR, 27>& table)
{
    std::array<bool, 26> seen{};
    for (size_t i = 0; i < 26; ++i) {
        const char lower = LowerOf(table[i].put);
        if (table[i].find != kUpperLetters[i] || lower < 'a' || lower > 'z' || seen[lower - 'a'])
            return false;
        seen[lower - 'a'] = true;
    }
    return true;
}

// Any fixed bijection of 0..255 serves: an odd multiplier makes the affine map one, the final
// exclusive-or breaks runs of neighbouring bytes.
constexpr uint8_t PlainByteOf(unsigned stored) { return static_cast<uint8_t>(((stored * 0x3Du + 0x71u) & 0xFFu) ^ 0x5Cu); }

constexpr std::array<uint8_t, 256> MakeContainerByteTable()
{
    std::array<uint8_t, 256> table{};
    for (unsigned stored = 0; stored < 256; ++stored)
        table[stored] = PlainByteOf(stored);
    return table;
}

constexpr std::array<uint8_t, 256> Invert(const std::array<uint8_t, 256>& table)
{
    std::array<uint8_t, 256> inverse{};
    for (unsigned i = 0; i < 256; ++i)
        inverse[table[i]] = static_cast<uint8_t>(i);
    return inverse;
}

constexpr bool IsBijection(const std::array<uint8_t, 256>& table)
{
    std::array<bool, 256> seen{};
    for (const uint8_t value : table) {
        if (seen[value])
            return false;
        seen[value] = true;
    }
    return true;
}

constexpr std::array<char, 256> MakeContainerNameLetters()
{
    std::array<char, 256> table{};
    for (unsigned c = 0; c < 256; ++c)
        table[c] = static_cast<char>(c);
    for (size_t i = 0; i < 26; ++i) {
        table[static_cast<unsigned char>(kUpperLetters[i])] = kContainerLetterImages[i];
        table[static_cast<unsigned char>(LowerOf(kUpperLetters[i]))] = LowerOf(kContainerLetterImages[i]);
    }
    return table;
}

constexpr bool PermutesLetters(const std::array<char, 256>& table)
{
    std::array<bool, 256> seen{};
    for (unsigned c = 0; c < 256; ++c) {
        const auto image = static_cast<unsigned char>(table[c]);
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool sameKind = letter ? ((c <= 'Z') == (image >= 'A' && image <= 'Z')) &&
                                           ((c >= 'a') == (image >= 'a' && image <= 'z'))
                                     : image == c;
        if (!sameKind || seen[image])
            return false;
        seen[image] = true;
    }
    return true;
}

constexpr auto kDbLetterTable = MakeDbLetterTable();
static_assert(MapsLettersApartIgnoringCase(kDbLetterTable), "two database names would meet on disk");
constexpr auto kContainerByteTable = MakeContainerByteTable();
static_assert(IsBijection(kContainerByteTable), "a container written with the table must be readable with it");
constexpr auto kContainerNameLetters = MakeContainerNameLetters();
static_assert(PermutesLetters(kContainerNameLetters), "container names must stay names in their folder");

}  // namespace

const std::array<DATA_RES_LANGUAGE, 14> g_DataResLanguages{{
    {1, "EN"}, {2, "CN"}, {3, "JP"}, {4, "TW"}, {5, "HU"}, {6, "SP"}, {7, "RU"},
    {8, "KR"}, {9, "IT"}, {10, "FR"}, {11, "PO"}, {12, "TR"}, {13, "FA"}, {14, "AR"},
}};

const std::array<DB_LETTER_PAIR, 27> g_DbLetterTable = kDbLetterTable;

const std::array<const wchar_t*, 3> g_LanguageBoundDbNames{L"_TXT.DB", L"_DS.DB", L"_DTC.DB"};

const std::array<uint8_t, 256> g_ContainerByteTable = kContainerByteTable;
const std::array<uint8_t, 256> g_ContainerByteTableInverse = Invert(kContainerByteTable);

const std::array<char, 256> g_ContainerNameLetters = kContainerNameLetters;

const std::array<uint8_t, 16> g_BlockMemberKey{
    0x5E, 0xA1, 0x37, 0xC8, 0x0B, 0x94, 0x6D, 0xF2, 0x29, 0x7C, 0xE3, 0x40, 0x1F, 0xB6, 0x85, 0xDA,
};
