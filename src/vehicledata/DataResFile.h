#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DataStoreFile.h"

// A data-resource file: opened by path through DataStoreFile (so it may be a container member, a
// slice named by the name index, or block-encoded), its "DRDB" header checked when the path ends in
// ".DAT", and read at any position with 16- and 32-bit values in host order.
//
// The "DRDB" header, the first 64 bytes (little-endian):
//   0 "DRDB"; 4 type u32 (1, 3 and 6 are checked, others pass); 8 database version x 100 u32;
//   24 language: an id of the language table as u32, or two UTF-16 letters at 24 and 26;
//   28 depends on the content (the entry count of a text database).
namespace data_res {
constexpr size_t kHeaderSize = 64;
constexpr size_t kTypeOffset = 4;
constexpr size_t kVersionOffset = 8;
constexpr size_t kLanguageOffset = 24;
constexpr size_t kContentOffset = 28;
constexpr int kLittleEndian = 1;
constexpr int kBigEndian = 2;
constexpr int kHostByteOrder = kLittleEndian;
}  // namespace data_res

// Whether a path names a file with a header to check: it ends in ".DAT", in any case.
bool HasDataResHeader(std::string_view path);

// Whether a file may be read under its path. Paths that do not end in ".DAT" (in any case) pass.
// Otherwise the header must be whole and begin "DRDB"; for types 1, 3 and 6 the version must lie
// within 0.0001 of the announced database version (unless the path's last 13 characters begin
// with "DATRES_") and the language must be the one of the path's file name.
bool CheckDataResHeader(std::string_view path, std::span<const uint8_t> header, float announcedVersion);

class DataResFile {
public:
    DataResFile() = default;
    DataResFile(const DataResFile&) = delete;
    DataResFile& operator=(const DataResFile&) = delete;

    // Opens a path (UTF-8, backslashes); the container name becomes the current narrow language
    // code first. The path that is open, with the same whole-file setting, gives 1 at once. With
    // whole-file loading the data is read into memory once and the storage closed. 1 when open,
    // 0 when the data is missing, cannot be read whole, or fails its header check.
    int Open(const char* path, bool wholeFile, int byteOrder);
    void Close();
    bool IsOpen() const { return m_open; }

    uint64_t GetSize() const;
    // Up to count bytes at the position (0 at or past the size); returns how many came.
    size_t ReadAt(void* buffer, uint64_t position, size_t count);
    bool Read(uint64_t position, size_t count, void* buffer);
    bool ReadU32(uint64_t position, uint32_t& value);
    // True when n is above 0 and all 2n bytes came.
    bool ReadU16Array(uint64_t position, size_t n, uint16_t* values);

    const DataStoreFile& GetStorage() const { return m_storage; }

private:
    DataStoreFile m_storage;
    int m_byteOrder = data_res::kLittleEndian;
    std::unique_ptr<std::vector<uint8_t>> m_wholeFile;
    bool m_open = false;
    std::string m_name;
};
