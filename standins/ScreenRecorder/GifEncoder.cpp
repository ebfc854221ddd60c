#include "GifEncoder.h"

#include <algorithm>

namespace {

constexpr int kMinCodeSize = 8;
constexpr uint32_t kClearCode = 1u << kMinCodeSize;
constexpr uint32_t kEndCode = kClearCode + 1;
constexpr int kCodeBits = kMinCodeSize + 1;
// After a clear the decoder adds one table entry per code but the first; well before the table
// reaches 512 entries (when it would widen the codes) another clear starts it afresh.
constexpr int kLiteralsPerClear = 250;

void PutWord(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

class CBitPacker {
public:
    void Put(uint32_t code)
    {
        m_buffer |= code << m_bits;
        m_bits += kCodeBits;
        while (m_bits >= 8) {
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    std::vector<uint8_t> Finish()
    {
        if (m_bits > 0)
            m_bytes.push_back(static_cast<uint8_t>(m_buffer & 0xFF));
        return m_bytes;
    }

private:
    std::vector<uint8_t> m_bytes;
    uint32_t m_buffer = 0;
    int m_bits = 0;
};

std::vector<uint8_t> LiteralLzw(const std::vector<uint8_t>& pixels)
{
    CBitPacker packer;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (i % kLiteralsPerClear == 0)
            packer.Put(kClearCode);
        packer.Put(pixels[i]);
    }
    packer.Put(kEndCode);
    return packer.Finish();
}

void PutSubBlocks(std::vector<uint8_t>& out, const std::vector<uint8_t>& data)
{
    for (size_t start = 0; start < data.size(); start += 255) {
        const size_t length = std::min<size_t>(255, data.size() - start);
        out.push_back(static_cast<uint8_t>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(start + length));
    }
    out.push_back(0);
}

void PutLoopForEver(std::vector<uint8_t>& out)
{
    const uint8_t extension[] = {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                                 3,    1,    0,  0,   0};
    out.insert(out.end(), std::begin(extension), std::end(extension));
}

void PutFrame(std::vector<uint8_t>& out, uint16_t width, uint16_t height, const GIF_FRAME& frame)
{
    out.insert(out.end(), {0x21, 0xF9, 4, static_cast<uint8_t>((frame.disposal & 7) << 2)});
    PutWord(out, frame.delay);
    out.insert(out.end(), {0, 0});
    out.push_back(0x2C);
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    out.push_back(0);
    std::vector<uint8_t> pixels = frame.pixels;
    pixels.resize(static_cast<size_t>(width) * height, 0);
    out.push_back(kMinCodeSize);
    PutSubBlocks(out, LiteralLzw(pixels));
}

}  // namespace

std::vector<uint8_t> EncodeAnimatedGif(uint16_t width, uint16_t height, const std::vector<uint32_t>& palette,
                                       const std::vector<GIF_FRAME>& frames)
{
    std::vector<uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(out, width);
    PutWord(out, height);
    out.insert(out.end(), {0xF7, 0, 0});  // a global table of 256 colours
    for (size_t i = 0; i < 256; ++i) {
        const uint32_t colour = i < palette.size() ? palette[i] : 0;
        out.insert(out.end(), {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                               static_cast<uint8_t>(colour)});
    }
    PutLoopForEver(out);
    for (const GIF_FRAME& frame : frames)
        PutFrame(out, width, height, frame);
    out.push_back(0x3B);
    return out;
}

std::vector<uint8_t> EncodeColourCycleGif(uint16_t width, uint16_t height, const std::vector<uint32_t>& colours,
                                          uint16_t delay)
{
    std::vector<uint32_t> palette = {0};
    palette.insert(palette.end(), colours.begin(), colours.end());
    std::vector<GIF_FRAME> frames;
    for (size_t i = 0; i < colours.size() && i < 255; ++i) {
        GIF_FRAME frame;
        frame.pixels.assign(static_cast<size_t>(width) * height, static_cast<uint8_t>(i + 1));
        frame.delay = delay;
        frames.push_back(std::move(frame));
    }
    return EncodeAnimatedGif(width, height, palette, frames);
}
