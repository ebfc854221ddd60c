#pragma once
#include <cstdio>
#include <filesystem>
#include <functional>

// Opens a file by its full path for binary reading; the path may hold any Unicode character.
// Returns null when the file cannot be opened. The caller closes the stream.
FILE* OpenFileForReading(const std::filesystem::path& path);

// Writes a file so that a crash or a full disk never leaves it half written: the content goes to a
// temporary file in the same folder, is flushed to the disk, and then replaces the old file in one
// step. `writeContent` writes into the open temporary file and says whether it succeeded.
// Returns false (and leaves the old file as it was) when any step fails.
bool WriteFileReplacing(const std::filesystem::path& path, const std::function<bool(FILE*)>& writeContent);
