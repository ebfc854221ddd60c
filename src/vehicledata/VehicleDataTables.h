#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Every table and key of the vehicle-data readers, in one place. The first group is fixed by the
// file formats the diagnostic programs ship; the second is this program's own choice, and every
// database and data-resource file written for it (the test fixtures, the demo installation) depends
// on it: changing a value makes all existing files unreadable.

// Fixed by the formats.

// Key text of the enciphered 32-byte header of a plain database (Rijndael, 256-bit key and block).
inline constexpr char kDbHeaderKey[] = "mwtqzrdkvnplsfgh4e8c6jxyuabo0i3q";
static_assert(sizeof(kDbHeaderKey) == 32 + 1);

// Key text of the item scrambling of database records; the key restarts with every item.
inline constexpr char kDbItemKey[] = "{7A3F19C4-2B6D-4e81-9C5A-E04D7B2F6A13}";
inline constexpr size_t kDbItemKeyLength = sizeof(kDbItemKey) - 1;
static_assert(kDbItemKeyLength == 38);

// The first bytes of a block-encoded data-resource member.
inline constexpr char kBlockMemberMarker[] = "{560AA02F-C975-45DF-B9F0-2EF583C249B9}";
inline constexpr size_t kBlockMemberMarkerLength = sizeof(kBlockMemberMarker) - 1;
static_assert(kBlockMemberMarkerLength == 38);

// The languages of data-resource files and of their names.
struct DATA_RES_LANGUAGE {
    uint32_t id;
    char code[3];
};
extern const std::array<DATA_RES_LANGUAGE, 14> g_DataResLanguages;

// Our own.

// The letter map of database file names on disk: an upper-case letter takes the second character
// of the first pair whose first character it is. The pairs map A to Z one to one onto letters that
// differ even without regard to case, so no two names meet on a file system that ignores case. The
// last pair names a character that is never looked up, so it keeps the table at the 27 pairs of
// the format.
struct DB_LETTER_PAIR {
    char find;
    char put;
};
extern const std::array<DB_LETTER_PAIR, 27> g_DbLetterTable;

// The databases whose header language must be the current language: the language code followed by
// one of these names (the language-bound fragments of stored names are these names mapped).
extern const std::array<const wchar_t*, 3> g_LanguageBoundDbNames;

// Every byte read from a data container passes this table (the index is the stored byte, the value
// the plain byte); the writers of containers use its inverse.
extern const std::array<uint8_t, 256> g_ContainerByteTable;
extern const std::array<uint8_t, 256> g_ContainerByteTableInverse;

// The name of a data container on disk: each character of the file name takes its entry here.
// Letters are permuted among letters of the same case; every other character stays, so a mapped
// name never gains a separator or a dot.
extern const std::array<char, 256> g_ContainerNameLetters;

// The AES-128 key of block-encoded data-resource members.
extern const std::array<uint8_t, 16> g_BlockMemberKey;
