// Any bytes as a description file: the decoding must neither crash nor read past the bytes, gives
// no more than the file holds, and the first line it leads to holds no line break.
#include <cstdint>
#include <span>
#include <string>

#include "DescriptionText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const DESCRIPTION_BYTES decoded = DecodeDescriptionBytes(std::span<const uint8_t>(data, size));
    const bool fits = decoded.utf16
                          ? size >= 2 && decoded.wideText.size() <= (size - 2) / 2 && decoded.narrowText.empty() &&
                                decoded.wideText.find(L'\0') == std::wstring::npos
                          : decoded.narrowText.size() <= size && decoded.wideText.empty() &&
                                decoded.narrowText.find('\0') == std::string::npos;
    if (!fits)
        __builtin_trap();
    const std::wstring line = DescriptionFirstLine(decoded.wideText);
    if (line.size() > decoded.wideText.size() || line.find_first_of(L"\r\n") != std::wstring::npos)
        __builtin_trap();
    return 0;
}
