#pragma once
// A small animated-GIF writer for the recorder stand-in and the tests' fixtures. Every frame covers
// the whole picture and indexes one global colour table of 256 entries. The image data is written
// as literal LZW codes with a clear code often enough that the code size never grows, which every
// decoder reads and no compression is needed for pictures this small.
#include <cstdint>
#include <vector>

struct GIF_FRAME {
    std::vector<uint8_t> pixels;  // width x height colour indices, row after row
    uint16_t delay = 0;           // in 1/100 s
    uint8_t disposal = 0;
};

// `palette` holds up to 256 colours as 0xRRGGBB; the rest of the table is black.
std::vector<uint8_t> EncodeAnimatedGif(uint16_t width, uint16_t height, const std::vector<uint32_t>& palette,
                                       const std::vector<GIF_FRAME>& frames);

// A picture of one flat colour per frame, palette index i + 1 for frame i (index 0 is black).
std::vector<uint8_t> EncodeColourCycleGif(uint16_t width, uint16_t height, const std::vector<uint32_t>& colours,
                                          uint16_t delay);
