#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>

// One file opened for reading, read at any 64-bit position and never past its end as it was
// when opened. The vehicle-data readers read every outside byte through it.
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

    // Reads up to count bytes at the position; returns how many came (0 at or past the end).
    size_t ReadAt(uint64_t position, void* buffer, size_t count);

private:
    FILE* m_file = nullptr;
    uint64_t m_size = 0;
};
