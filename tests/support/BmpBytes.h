#pragma once
// Bitmap files written by tests: plain 24-bit Windows BMP bytes.
#include <windows.h>

#include <cstdint>
#include <string>

// A 24-bit BMP of width x height pixels of one colour.
inline std::string SolidBmp(int width, int height, COLORREF colour)
{
    const int stride = (width * 3 + 3) & ~3;
    const int size = 54 + stride * height;
    std::string bytes(static_cast<size_t>(size), '\0');
    auto put32 = [&bytes](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<uint32_t>(size));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, static_cast<uint32_t>(stride * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
            bytes[at] = static_cast<char>(GetBValue(colour));
            bytes[at + 1] = static_cast<char>(GetGValue(colour));
            bytes[at + 2] = static_cast<char>(GetRValue(colour));
        }
    }
    return bytes;
}
