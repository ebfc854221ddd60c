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

// Checks the bytes of a whole BMP file and locates its parts. A file missing part of its pixel data
// is accepted (the rest reads as zero) as long as at least half of it is there; an image that needs
// more than 64 MiB, or compressed or unknown pixel formats, give BuildError.
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
