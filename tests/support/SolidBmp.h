#pragma once
// A 24-bit BMP file of one colour, as a maker's picture would be stored.
#include <cstdint>
#include <string>

inline std::string SolidBmp(int width, int height, uint8_t red, uint8_t green, uint8_t blue)
{
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    std::string bytes(54 + stride * static_cast<size_t>(height), '\0');
    auto put = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<uint32_t>(bytes.size()));
    put(10, 54);
    put(14, 40);
    put(18, static_cast<uint32_t>(width));
    put(22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3;
            bytes[at] = static_cast<char>(blue);
            bytes[at + 1] = static_cast<char>(green);
            bytes[at + 2] = static_cast<char>(red);
        }
    }
    return bytes;
}
