#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ReadOnlyFile.h"

// Where the bytes of a named data-resource file really are, and their decoding. In this order: a
// member of the folder's data container (every byte read from a container passes the container
// byte table), else the file itself, else, when redirection is allowed, a slice of another file
// named by the folder's name index. A member (or file) that begins with the block marker is
// enciphered with AES-128 in 16-byte blocks and deciphered as it is read, with the last three
// deciphered runs kept for the small reads that follow one another.
//
// Layouts (little-endian):
//   container      count u32, then count entries of 1036 bytes
//                  { 4 not read; name 1024, zero-terminated; size u32; offset u32 }
//   block member   the marker (38 bytes); method u32 at 38 (1 = AES); plain size u32 at 50;
//                  enciphered blocks from 64
//   name index     records of 128 bytes sorted by name
//                  { name 0-87; target name 88-119, zero-terminated; slice offset u32; slice size u32 }
//
// Nothing read from these is trusted: names are bounded by their fields, a member or a slice
// never reaches past the file that holds it, a block member is never deciphered past its last
// whole block nor read past its plain size, and a target name must stay in its folder.
namespace data_store {
constexpr size_t kContainerCountSize = 4;
constexpr size_t kContainerEntrySize = 1036;
constexpr size_t kContainerNameOffset = 4;
constexpr size_t kContainerNameSize = 1024;
constexpr size_t kContainerSizeOffset = 1028;
constexpr size_t kContainerMemberOffset = 1032;
static_assert(kContainerMemberOffset + 4 == kContainerEntrySize);

constexpr size_t kBlockHeaderSize = 64;
constexpr size_t kBlockMethodOffset = 38;
constexpr size_t kBlockPlainSizeOffset = 50;
constexpr size_t kCipherBlockSize = 16;
constexpr uint32_t kMethodAes = 1;

constexpr size_t kIndexRecordSize = 128;
constexpr size_t kIndexNameSize = 88;
constexpr size_t kIndexTargetOffset = 88;
constexpr size_t kIndexTargetSize = 32;
constexpr size_t kIndexSliceOffset = 120;
constexpr size_t kIndexSliceSize = 124;
static_assert(kIndexSliceSize + 4 == kIndexRecordSize);

constexpr size_t kCachedRuns = 3;
}  // namespace data_store

class DataStoreFile {
public:
    DataStoreFile() = default;
    DataStoreFile(const DataStoreFile&) = delete;
    DataStoreFile& operator=(const DataStoreFile&) = delete;

    // The container name of the whole process: the current language code, set at every open of a
    // data-resource file.
    static void SetContainerName(const char* name);
    static std::string GetContainerName();

    // Opens the data of a path (UTF-8, backslashes) for reading, positioned at 0. Only reading
    // modes ("rb") are served. False when the data is nowhere to be found or cannot be read.
    bool Open(const char* path, const char* mode, bool redirect);
    void Close();
    bool IsOpen() const { return m_open; }

    uint64_t GetSize() const;
    // Origin SEEK_SET, SEEK_CUR or SEEK_END; a position before the start becomes the start, one
    // past the end reads nothing. False when nothing is open or the origin is unknown.
    bool Seek(int64_t offset, int origin);
    uint64_t Tell() const { return m_position; }
    // Reads up to count bytes at the position and moves past them; returns how many came.
    size_t Read(void* buffer, size_t count);

    // What the open data is, for tests and diagnostics.
    bool IsInContainer() const { return m_member.inContainer; }
    bool IsBlockEncoded() const { return m_member.blockEncoded; }
    bool IsRedirected() const { return m_redirected; }
    unsigned GetDecipherCount() const { return m_decipherCount; }

private:
    struct MEMBER {
        bool inContainer = false;
        uint64_t offset = 0;     // in the file that holds it
        uint64_t size = 0;       // bytes the holding file has for it
        bool blockEncoded = false;
        uint32_t method = 0;
        uint64_t dataSize = 0;   // readable bytes: the size, or for a block member its plain size
                                 // within the whole blocks present
    };
    struct RUN {
        std::vector<uint8_t> bytes;
        uint64_t start = 0;
    };

    bool Probe(const std::string& path);
    bool FindInContainer(std::string_view folder, std::string_view name);
    bool Redirect(const std::string& path);
    size_t ReadMember(uint64_t offset, uint8_t* buffer, size_t count);
    size_t ReadBlocks(uint64_t position, uint8_t* buffer, size_t count);

    bool m_open = false;
    CReadOnlyFile m_file;
    MEMBER m_member;
    bool m_redirected = false;
    uint64_t m_sliceOffset = 0;
    uint64_t m_sliceSize = 0;
    uint64_t m_position = 0;
    std::array<RUN, data_store::kCachedRuns> m_runs;
    size_t m_nextRun = 0;
    unsigned m_decipherCount = 0;
};
