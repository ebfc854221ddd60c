// Any bytes as a BMP file: the check must neither crash nor point outside the bytes.
#include <cstdint>
#include <cstdlib>

#include "BmpFileFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BMP_LAYOUT layout;
    if (CheckBmpFile(std::span<const uint8_t>(data, size), layout) == BMP_CHECK::Ok) {
        if (layout.pixels.size() > layout.pixelBytesNeeded || layout.pixels.data() + layout.pixels.size() > data + size)
            std::abort();
    }
    return 0;
}
