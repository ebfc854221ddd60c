#include "StringFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>

#include "AtomicFile.h"
#include "ByteSubstitution.h"

using namespace string_file;

namespace {

uint32_t ReadU32(const uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

void AppendU32(std::string& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void AppendU16(std::string& out, uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

// Callers read the text as a zero-terminated string, so a zero unit ends it; a lone last byte
// cannot form a unit and is dropped.
std::wstring DecodeUtf16Le(const std::vector<uint8_t>& bytes)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const uint16_t unit = ReadU16(&bytes[i]);
        if (unit == 0)
            break;
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

// Where wchar_t is 32 bits a character beyond the basic plane becomes a surrogate pair, the form the
// Windows build holds it in.
bool EncodeUtf16(const std::wstring& text, std::u16string& units)
{
    for (const wchar_t c : text) {
        const auto value = static_cast<uint32_t>(c);
        if (value == 0 || value > 0x10FFFF)
            return false;
        if (value <= 0xFFFF) {
            units.push_back(static_cast<char16_t>(value));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((value - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
        }
    }
    return true;
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::vector<TAG_STRING_RESOURCE_ITEM>> ParseStringFile(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kCountSize)
        return std::nullopt;
    const auto count = static_cast<int32_t>(ReadU32(bytes.data()));

    // Never reserved from the count: it is only as good as the bytes that follow it.
    std::vector<TAG_STRING_RESOURCE_ITEM> records;
    size_t offset = kCountSize;
    for (int32_t i = 0; i < count; ++i) {
        if (bytes.size() - offset < kRecordHeaderSize)
            break;
        TAG_STRING_RESOURCE_ITEM item;
        item.id = ReadU32(&bytes[offset]);
        const size_t left = bytes.size() - offset - kRecordHeaderSize;
        const size_t byteLen = std::min<size_t>(ReadU16(&bytes[offset + 4]), left);
        offset += kRecordHeaderSize;

        std::vector<uint8_t> text(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + byteLen));
        offset += byteLen;
        ResDescrambleBytes(text.data(), text.size());  // a byte without a pair leaves the text as stored
        item.text = DecodeUtf16Le(text);
        records.push_back(std::move(item));
    }
    return records;
}

std::optional<std::vector<TAG_STRING_RESOURCE_ITEM>> ReadStringFile(const std::filesystem::path& file)
{
    const std::unique_ptr<FILE, FileCloser> stream(OpenFileForReading(file));
    if (!stream)
        return std::nullopt;
    // Read to the end rather than trusting a size measured beforehand; a read error ends the content
    // like the end of the file, keeping what came before it.
    std::vector<uint8_t> bytes;
    uint8_t chunk[16 * 1024];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), stream.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return ParseStringFile(bytes);
}

std::optional<std::string> EncodeStringFile(std::span<const TAG_STRING_RESOURCE_ITEM> records)
{
    if (records.size() > static_cast<size_t>(INT32_MAX))
        return std::nullopt;
    std::string out;
    AppendU32(out, static_cast<uint32_t>(records.size()));
    for (const auto& record : records) {
        std::u16string units;
        if (!EncodeUtf16(record.text, units) || units.size() * 2 > kMaxTextBytes)
            return std::nullopt;
        std::vector<uint8_t> text;
        for (const char16_t unit : units) {
            text.push_back(static_cast<uint8_t>(unit & 0xFF));
            text.push_back(static_cast<uint8_t>(unit >> 8));
        }
        if (!ResScrambleBytes(text.data(), text.size()))
            return std::nullopt;
        AppendU32(out, record.id);
        AppendU16(out, static_cast<uint16_t>(text.size()));
        out.append(text.begin(), text.end());
    }
    return out;
}

bool WriteStringFile(const std::filesystem::path& file, std::span<const TAG_STRING_RESOURCE_ITEM> records)
{
    const auto bytes = EncodeStringFile(records);
    if (!bytes)
        return false;
    return WriteFileReplacing(file, [&](FILE* out) {
        return std::fwrite(bytes->data(), 1, bytes->size(), out) == bytes->size();
    });
}
