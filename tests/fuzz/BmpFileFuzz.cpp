// Any bytes as a BMP file: the check must neither crash nor point outside the bytes; and as a
// bitmap's header: a size read from it is positive.
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
    const auto picture = DibPictureSize(std::span<const uint8_t>(data, size));
    if (picture && (picture->width <= 0 || picture->height <= 0))
        std::abort();
    return 0;
}
