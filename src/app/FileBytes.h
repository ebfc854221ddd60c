#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Reads a whole file into memory, refusing one larger than `maxBytes` so that a stray or hostile
// file never decides how much the program allocates. False when the file cannot be opened or read,
// or is too large; `bytes` is then empty.
bool ReadFileBytesUpTo(const std::filesystem::path& path, size_t maxBytes, std::vector<uint8_t>& bytes);

// The same into a byte string, for files of text.
bool ReadFileBytesUpTo(const std::filesystem::path& path, size_t maxBytes, std::string& bytes);
