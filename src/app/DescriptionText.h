#pragma once
// The description files of vehicle software ("<language>.txt" in a version folder, and the maker's
// "<language>\<language>.txt"): how their bytes are read, before any code page comes in. A file
// starting with FF FE is UTF-16 little-endian; any other file is narrow text for Utf8ToWide
// (UTF-8, or the language's code page when "DBFORMAT" is 1).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// No description is anywhere near this; a larger file is not read.
constexpr size_t kMaxDescriptionBytes = 1u << 20;

struct DESCRIPTION_BYTES {
    bool utf16 = false;
    // UTF-16: the code units after the mark, up to the first zero unit; a lone last byte (an odd
    // count after the mark) is no unit and is dropped.
    std::wstring wideText;
    // Narrow: the bytes up to the first zero byte, without a leading UTF-8 mark (EF BB BF), which
    // editors write and which is no part of the text in any code page.
    std::string narrowText;
};
DESCRIPTION_BYTES DecodeDescriptionBytes(std::span<const uint8_t> bytes);

// The first line of a description, which is its version line: up to the first line feed, cut at
// a carriage return; the whole text when it has no line feed.
std::wstring DescriptionFirstLine(const std::wstring& text);
