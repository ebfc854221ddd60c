#pragma once
// Checking a Windows 3.0 BMP file's bytes before a bitmap is built from them. Nothing in the file is
// trusted: every size is bounded by the file's length.
#include <cstdint>
#include <optional>
#include <span>

enum class BMP_CHECK {
    Ok,
    NotBmp,         // "The file is not a BMP file!"
    HeaderError,    // "The BMP file header error!"
    NotWindows30,   // "The BMP is not Windows 3.0 format!"
    BuildError,     // "DIB build error!"
};

struct BMP_LAYOUT {
    std::span<const uint8_t> info;    // information header and colour table, as in the file
    std::span<const uint8_t> pixels;  // the pixel data present in the file (may be short)
    uint64_t pixelBytesNeeded = 0;    // height x row stride
};

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;
// The most pixel bytes (height x row stride) a bitmap may need.
constexpr uint64_t kMaxBmpPixelBytes = 64ull << 20;
// The longest file a bitmap within that cap comes in: both headers, the largest colour table (256
// entries of 4 bytes) and the pixel bytes. A longer file is never built, so it need not be read.
constexpr uint64_t kMaxBmpFileSize = kBmpFileHeaderSize + kBmpInfoHeaderSize + 256 * 4 + kMaxBmpPixelBytes;

// The check of a file by its length, before it is read whole: NotBmp when its first bytes are not
// "BM"; for a file longer than kMaxBmpFileSize HeaderError when its size field differs from the
// length, else BuildError; Ok otherwise. `start` is as much of the file's beginning as was read
// (the file header is enough).
BMP_CHECK CheckBmpFileLength(std::span<const uint8_t> start, uint64_t length);

// How much of a file of `length` bytes the loader reads: all of it when it may hold a bitmap within
// the cap, otherwise only the file header, which is all CheckBmpFileLength then needs.
uint64_t BmpBytesToRead(uint64_t length);

// Checks the bytes of a whole BMP file and locates its parts. A file missing part of its pixel data
// is accepted (the rest reads as zero) as long as at least half of it is there; an image that needs
// more than 64 MiB, a file longer than kMaxBmpFileSize, or compressed or unknown pixel formats, give
// BuildError.
BMP_CHECK CheckBmpFile(std::span<const uint8_t> file, BMP_LAYOUT& layout);

struct BMP_SIZE {
    int32_t width = 0;
    int32_t height = 0;
};

// The picture size a device-independent bitmap's header gives (a bitmap resource starts with it):
// an information header of 40 bytes or more, or the 12-byte core header. Height is given upwards
// or downwards; its size counts. Nothing for a header that is short, of another size, or gives a
// size that is not positive.
std::optional<BMP_SIZE> DibPictureSize(std::span<const uint8_t> dib);

// The English message of a check result (empty for Ok).
const wchar_t* BmpCheckMessage(BMP_CHECK check);
