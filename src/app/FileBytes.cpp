#include "FileBytes.h"

#include <cstdio>

#include "AtomicFile.h"

bool ReadFileBytesUpTo(const std::filesystem::path& path, size_t maxBytes, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    FILE* file = OpenFileForReading(path);
    if (!file)
        return false;
    // Read in pieces rather than trusting a size asked beforehand: the file may change meanwhile.
    uint8_t piece[16384];
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(piece, 1, sizeof piece, file);
        if (got > maxBytes - bytes.size()) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), piece, piece + got);
        if (got < sizeof piece) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok)
        bytes.clear();
    return ok;
}

bool ReadFileBytesUpTo(const std::filesystem::path& path, size_t maxBytes, std::string& bytes)
{
    std::vector<uint8_t> raw;
    const bool read = ReadFileBytesUpTo(path, maxBytes, raw);
    bytes.assign(raw.begin(), raw.end());
    return read;
}
