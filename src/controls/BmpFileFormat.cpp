#include "BmpFileFormat.h"

#include <cstdlib>

namespace {

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset)
{
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

int32_t ReadS32(std::span<const uint8_t> bytes, size_t offset)
{
    return static_cast<int32_t>(ReadU32(bytes, offset));
}

bool IsKnownFormat(uint16_t bitCount, uint32_t compression)
{
    constexpr uint32_t kRgb = 0, kBitFields = 3;
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return compression == kRgb;
    case 16:
    case 32:
        return compression == kRgb || compression == kBitFields;
    default:
        return false;
    }
}

// Bytes the colour table (or the bit-field masks) takes after the information header.
uint64_t ColourTableBytes(std::span<const uint8_t> info)
{
    const uint16_t bitCount = ReadU16(info, 14);
    const uint32_t compression = ReadU32(info, 16);
    const uint32_t used = ReadU32(info, 32);
    if (compression == 3)
        return 12;
    if (bitCount <= 8)
        return 4ull * (used ? used : (1u << bitCount));
    return 4ull * used;
}

}  // namespace

std::optional<BMP_SIZE> DibPictureSize(std::span<const uint8_t> dib)
{
    constexpr size_t kCoreHeaderSize = 12;
    if (dib.size() < 4)
        return std::nullopt;
    const uint32_t headerSize = ReadU32(dib, 0);
    BMP_SIZE size;
    if (headerSize == kCoreHeaderSize && dib.size() >= kCoreHeaderSize) {
        size = {ReadU16(dib, 4), ReadU16(dib, 6)};
    } else if (headerSize >= kBmpInfoHeaderSize && dib.size() >= kBmpInfoHeaderSize) {
        const int32_t height = ReadS32(dib, 8);
        if (height == INT32_MIN)
            return std::nullopt;
        size = {ReadS32(dib, 4), std::abs(height)};
    } else {
        return std::nullopt;
    }
    if (size.width <= 0 || size.height <= 0)
        return std::nullopt;
    return size;
}

BMP_CHECK CheckBmpFileLength(std::span<const uint8_t> start, uint64_t length)
{
    if (start.size() < 2 || start[0] != 'B' || start[1] != 'M')
        return BMP_CHECK::NotBmp;
    if (length <= kMaxBmpFileSize)
        return BMP_CHECK::Ok;
    // Too long to be built; a size field that does not tell the length (it cannot from 4 GiB on)
    // is still the header's fault, as it is for a file read whole.
    if (start.size() < kBmpFileHeaderSize || ReadU32(start, 2) != length)
        return BMP_CHECK::HeaderError;
    return BMP_CHECK::BuildError;
}

uint64_t BmpBytesToRead(uint64_t length)
{
    return length <= kMaxBmpFileSize ? length : kBmpFileHeaderSize;
}

BMP_CHECK CheckBmpFile(std::span<const uint8_t> file, BMP_LAYOUT& layout)
{
    if (const BMP_CHECK byLength = CheckBmpFileLength(file, file.size()); byLength != BMP_CHECK::Ok)
        return byLength;
    if (file.size() < kBmpFileHeaderSize || ReadU32(file, 2) != file.size())
        return BMP_CHECK::HeaderError;
    const uint32_t offset = ReadU32(file, 10);
    if (offset < kBmpFileHeaderSize + 4 || offset > file.size())
        return BMP_CHECK::HeaderError;
    const std::span<const uint8_t> info = file.subspan(kBmpFileHeaderSize, offset - kBmpFileHeaderSize);
    if (ReadU32(info, 0) != kBmpInfoHeaderSize)
        return BMP_CHECK::NotWindows30;
    if (info.size() < kBmpInfoHeaderSize || kBmpInfoHeaderSize + ColourTableBytes(info) > info.size())
        return BMP_CHECK::HeaderError;

    const int32_t width = ReadS32(info, 4);
    const int32_t height = ReadS32(info, 8);
    const uint16_t bitCount = ReadU16(info, 14);
    if (width <= 0 || height == 0 || height == INT32_MIN || !IsKnownFormat(bitCount, ReadU32(info, 16)))
        return BMP_CHECK::BuildError;
    const uint64_t stride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
    const uint64_t needed = stride * static_cast<uint64_t>(std::llabs(height));
    const std::span<const uint8_t> pixels = file.subspan(offset);
    if (needed > kMaxBmpPixelBytes || pixels.size() * 2 < needed)
        return BMP_CHECK::BuildError;

    layout.info = info;
    layout.pixels = pixels.size() > needed ? pixels.first(static_cast<size_t>(needed)) : pixels;
    layout.pixelBytesNeeded = needed;
    return BMP_CHECK::Ok;
}

const wchar_t* BmpCheckMessage(BMP_CHECK check)
{
    switch (check) {
    case BMP_CHECK::NotBmp:
        return L"The file is not a BMP file!";
    case BMP_CHECK::HeaderError:
        return L"The BMP file header error!";
    case BMP_CHECK::NotWindows30:
        return L"The BMP is not Windows 3.0 format!";
    case BMP_CHECK::BuildError:
        return L"DIB build error!";
    default:
        return L"";
    }
}
