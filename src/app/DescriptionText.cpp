#include "DescriptionText.h"

#include <algorithm>

DESCRIPTION_BYTES DecodeDescriptionBytes(std::span<const uint8_t> bytes)
{
    DESCRIPTION_BYTES decoded;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        decoded.utf16 = true;
        // A zero unit ends the text as a zero byte ends a narrow one: a trailing zero that some
        // writers add must not become part of the version line.
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const wchar_t unit = static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
            if (unit == 0)
                break;
            decoded.wideText.push_back(unit);
        }
        return decoded;
    }
    size_t start = 0;
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        start = 3;
    const auto rest = bytes.subspan(start);
    const auto end = std::find(rest.begin(), rest.end(), uint8_t{0});
    decoded.narrowText.assign(rest.begin(), end);
    return decoded;
}

std::wstring DescriptionFirstLine(const std::wstring& text)
{
    std::wstring line = text.substr(0, text.find(L'\n'));
    if (const size_t carriageReturn = line.find(L'\r'); carriageReturn != std::wstring::npos)
        line.resize(carriageReturn);
    return line;
}
