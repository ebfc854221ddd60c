#include "DbTextConversion.h"

#include "ProcessValues.h"
#include "VehicleDataHost.h"

namespace {

void AppendUtf8(std::string& out, uint32_t value)
{
    if (value < 0x80) {
        out.push_back(static_cast<char>(value));
    } else if (value < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (value >> 6)));
        out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else if (value < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (value >> 12)));
        out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (value >> 18)));
        out.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    }
}

bool IsHighSurrogate(uint32_t value) { return value >= 0xD800 && value <= 0xDBFF; }
bool IsLowSurrogate(uint32_t value) { return value >= 0xDC00 && value <= 0xDFFF; }

}  // namespace

std::string EncodeUtf8(std::wstring_view text)
{
    constexpr uint32_t kReplacement = 0xFFFD;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto value = static_cast<uint32_t>(text[i]);
        if (IsHighSurrogate(value) && i + 1 < text.size() && IsLowSurrogate(static_cast<uint32_t>(text[i + 1]))) {
            const auto low = static_cast<uint32_t>(text[++i]);
            AppendUtf8(out, 0x10000 + ((value - 0xD800) << 10) + (low - 0xDC00));
        } else if (IsHighSurrogate(value) || IsLowSurrogate(value) || value > 0x10FFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, value);
        }
    }
    return out;
}

bool WideToDbText(const std::wstring& text, std::string& narrow)
{
    const std::wstring_view shown(text.c_str());  // up to the first zero
    std::optional<std::string> converted;
    switch (ResGetDbFormat()) {
    case 0:
        converted = EncodeUtf8(shown);
        break;
    case 1:
        converted = EncodeCodePage(std::wstring(shown), static_cast<unsigned>(ResGetCodePage()));
        break;
    default:
        converted = EncodeCodePage(std::wstring(shown), 0);
        break;
    }
    if (!converted) {
        narrow.clear();
        return false;
    }
    narrow = converted->substr(0, converted->find('\0'));
    return true;
}
