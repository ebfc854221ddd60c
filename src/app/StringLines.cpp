#include "StringLines.h"

#include <optional>
#include <string>

std::optional<std::wstring> DecodeUtf8(std::string_view text)
{
    std::wstring out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        uint32_t value = 0;
        uint32_t minimum = 0;
        if (lead < 0x80) {
            length = 1, value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, value = lead & 0x1Fu, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, value = lead & 0x0Fu, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, value = lead & 0x07u, minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (text.size() - i < length)
            return std::nullopt;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (next & 0x3Fu);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return std::nullopt;
        // A 16-bit wchar_t holds a character beyond the basic plane as a surrogate pair.
        if (sizeof(wchar_t) == 2 && value > 0xFFFF) {
            out.push_back(static_cast<wchar_t>(0xD800 + ((value - 0x10000) >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(value));
        }
        i += length;
    }
    return out;
}

namespace {

std::optional<uint32_t> ParseId(std::string_view text)
{
    if (text.size() < 3 || text.size() > 10 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    uint32_t id = 0;
    for (const char c : text.substr(2)) {
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        id = (id << 4) | digit;
    }
    return id;
}

std::string ExpandLineFeeds(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back('\n');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

bool ParseStringLines(std::string_view text, std::vector<TAG_STRING_RESOURCE_ITEM>& records, size_t& badLine)
{
    records.clear();
    badLine = 0;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;

        const size_t tab = line.find('\t');
        const auto id = tab == std::string_view::npos ? std::nullopt : ParseId(line.substr(0, tab));
        const auto wide = id ? DecodeUtf8(ExpandLineFeeds(line.substr(tab + 1))) : std::nullopt;
        // A zero would end the text when it is read back.
        if (!wide || wide->find(L'\0') != std::wstring::npos) {
            badLine = lineNumber;
            return false;
        }
        records.push_back({*id, *wide});
    }
    return true;
}
