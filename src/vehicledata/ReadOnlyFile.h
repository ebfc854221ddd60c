#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "ReadOnlyMapping.h"

// One file opened for reading, read at any 64-bit position and never past its end as it was
// when opened. The vehicle-data readers read every outside byte through it. A reader that asks for
// many small pieces maps the file first; reads then copy from memory and give the same bytes.
class CReadOnlyFile {
public:
    CReadOnlyFile() = default;
    ~CReadOnlyFile();
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    // Closes what is open first. False when the path names no file that can be read.
    bool Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }
    uint64_t GetSize() const { return m_size; }

    // Maps the open file read-only, as long as it stays open. False when it cannot be mapped; the
    // file then reads as before, so a caller needs no other path.
    bool Map();
    bool IsMapped() const { return m_mapping.IsMapped(); }

    // Reads up to count bytes at the position; returns how many came (0 at or past the end).
    size_t ReadAt(uint64_t position, void* buffer, size_t count);
    // The count bytes at the position, in place, when the file is mapped and holds all of them;
    // null otherwise (then ReadAt tells what there is).
    const uint8_t* View(uint64_t position, size_t count) const;

private:
    FILE* m_file = nullptr;
    CReadOnlyMapping m_mapping;
    uint64_t m_size = 0;
};
