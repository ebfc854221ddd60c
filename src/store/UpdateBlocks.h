#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The fixed-size blocks that carry a job between the download pipeline's threads: texts as UTF-16
// with their terminating zero, numbers as 32-bit little-endian, packed with no alignment, the rest
// zero. A job whose texts do not fit is refused rather than cut, and a block is never read past
// its end.
namespace update_blocks {

constexpr size_t kBlockBytes = 1024;
constexpr size_t kProgressBytes = 128;
using Block = std::array<uint8_t, kBlockBytes>;
using ProgressBlock = std::array<uint8_t, kProgressBytes>;

// What the download thread needs of a job.
struct DownloadJobFields {
    std::wstring ServerFolder;
    std::wstring ServerFile;
    std::wstring LocalFile;
    std::wstring Region;
    std::wstring SoftwareCode;
    std::wstring LanguageCode;
    std::wstring SoftwareUploadid;
    int32_t JobId = 0;
    std::wstring Version;
    int32_t LastJob = 0;
    bool operator==(const DownloadJobFields&) const = default;
};

// What the unpack thread needs of a finished download.
struct DownloadResultFields {
    int32_t JobId = 0;
    std::wstring LocalFile;
    std::wstring SoftwareUploadid;
    std::wstring Region;
    std::wstring SoftwareCode;
    std::wstring LanguageCode;
    std::wstring Version;
    int32_t LastJob = 0;
    // 1 when the download succeeded: only then may the unpack thread touch the archive.
    int32_t Downloaded = 0;
    bool operator==(const DownloadResultFields&) const = default;
};

std::optional<Block> PackDownloadJob(const DownloadJobFields& fields);
std::optional<DownloadJobFields> ReadDownloadJob(const Block& block);
std::optional<Block> PackDownloadResult(const DownloadResultFields& fields);
std::optional<DownloadResultFields> ReadDownloadResult(const Block& block);

ProgressBlock PackProgress(int32_t jobId, uint32_t percent);
void ReadProgress(const ProgressBlock& block, int32_t& jobId, uint32_t& percent);

}  // namespace update_blocks
