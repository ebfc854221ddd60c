#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The string file of a language ("SysString\STRRES.<code>"), little-endian throughout:
//   int32 count, then count records of { uint32 text id; uint16 byteLen; byteLen bytes of UTF-16LE
//   text, each byte substituted (ByteSubstitution.h), without terminator }.
// One UTF-16 code unit of the file is one wchar_t here, also where wchar_t is 32 bits wide.

struct TAG_STRING_RESOURCE_ITEM {
    uint32_t id = 0;
    std::wstring text;

    bool operator==(const TAG_STRING_RESOURCE_ITEM&) const = default;
};

namespace string_file {
constexpr size_t kCountSize = 4;
constexpr size_t kRecordHeaderSize = 6;  // id, byteLen
constexpr size_t kMaxTextBytes = 0xFFFF;
}  // namespace string_file

// The records of a string file's bytes, in file order. Nothing from the file is trusted: a record
// whose header is cut off ends the list, a text never reaches past the end of the bytes (a longer
// byteLen takes what is there), a negative count reads as 0, the last byte of an odd byteLen is
// dropped, and a text ends at its first zero code unit. Nothing when even the count is cut off.
std::optional<std::vector<TAG_STRING_RESOURCE_ITEM>> ParseStringFile(std::span<const uint8_t> bytes);

// ParseStringFile of a file's whole content; nothing when the file cannot be opened or is too short
// to hold a count.
std::optional<std::vector<TAG_STRING_RESOURCE_ITEM>> ReadStringFile(const std::filesystem::path& file);

// The bytes of a string file holding the records in order. Nothing when a text cannot be read back
// as given: longer than a record holds, holding a zero, or (where wchar_t is 32 bits) a value
// beyond UTF-16.
std::optional<std::string> EncodeStringFile(std::span<const TAG_STRING_RESOURCE_ITEM> records);

// Writes EncodeStringFile's bytes through WriteFileReplacing; false when they cannot be encoded or
// written (an existing file then stays as it was).
bool WriteStringFile(const std::filesystem::path& file, std::span<const TAG_STRING_RESOURCE_ITEM> records);
