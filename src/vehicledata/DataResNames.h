#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Names in the data-resource layer: the language a file name carries, and the names of a folder's
// data container and name index. Paths are narrow UTF-8 texts with backslashes.

constexpr uint32_t kNoNameLanguage = 0;
constexpr uint32_t kUnknownNameLanguage = 0xFFFF;

struct NAME_LANGUAGE {
    uint32_t id = kNoNameLanguage;  // from the language table; 0xFFFF for letters not in it
    std::string letters;            // the two letters as the name holds them; empty without a language
};

// The language of the file name of a path: "_" and two letters just before the extension (the
// part from the last "."; a name without a dot has an empty extension).
NAME_LANGUAGE GetNameLanguage(std::string_view path);

// The two-letter code of a language id, or empty for an id not in the table.
std::string GetLanguageLetters(uint32_t id);

// The file name on disk of the container "DATA" followed by a container name, each character
// passed through the container name letters. A container name that is not a plain name part gives
// the name of "DATA" alone.
std::string ContainerFileName(std::string_view containerName);

// The file names of the name index: "0000_<letters>.cab" for a language's letters, "0000.cab" for
// none.
std::string NameIndexFileName(std::string_view letters);

// Compares at most `limit` bytes, ASCII letters folded to lower case; a zero byte or the end of a
// text ends it and is less than any other byte. The name index is sorted by this order.
int CompareNoCase(std::string_view a, std::string_view b, size_t limit);

// The text of a fixed-size name field: up to its first zero byte, or the whole field.
std::string_view BoundedName(const uint8_t* field, size_t size);
