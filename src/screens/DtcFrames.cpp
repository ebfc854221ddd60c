#include "DtcFrames.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "ExchangeFrames.h"

namespace {

constexpr uint8_t kAnswerLength = 5;
constexpr size_t kKeyCodeOffset = 4;
constexpr size_t kRowOffset = 6;
constexpr size_t kCountOffset = 4;
constexpr size_t kTitleOffset = 6;
constexpr uint8_t kWideKeyMarker = 0xFE;
constexpr size_t kShortKeySize = 6;
constexpr size_t kWideKeySize = 12;
constexpr std::array<uint8_t, 6> kLiteralMarker = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE};
constexpr std::string_view kSaePrefix = "SAE:";
constexpr std::string_view kCodeMarker = "3FFE";
constexpr size_t kLongText = 150;
constexpr size_t kCutText = 147;

bool Fits(size_t offset, size_t size) { return offset + size <= exchange::kMailboxOffset; }

bool IsLiteralMarker(const CRequestReader& reader, size_t offset)
{
    for (size_t i = 0; i < kLiteralMarker.size(); ++i)
        if (reader.U8(offset + i) != kLiteralMarker[i])
            return false;
    return true;
}

std::vector<uint8_t> ReadKey(const CRequestReader& reader, size_t& offset, size_t size)
{
    std::vector<uint8_t> key(size);
    for (size_t i = 0; i < size; ++i)
        key[i] = reader.U8(offset + i);
    offset += size;
    return key;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The text after the status is a display code only when it looks like one; anything else is the
// next entry's key.
std::string ReadDisplayCode(const CRequestReader& reader, size_t& offset)
{
    const char first = static_cast<char>(reader.U8(offset));
    size_t peek = offset;
    if (first == 'S') {
        const std::string text = reader.Text(peek);
        if (!StartsWith(text, kSaePrefix))
            return {};
        offset = peek;
        return text.substr(kSaePrefix.size());
    }
    if (std::string_view("BCNPU").find(first) == std::string_view::npos)
        return {};
    std::string text = reader.Text(peek);
    offset = peek;
    return text;
}

void ParseTextEntries(const CRequestReader& reader, size_t offset, DTC_REQUEST& request)
{
    const size_t count = std::min<size_t>(request.count, kMaxDtcEntries);
    for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i) {
        DTC_TEXT_ENTRY entry;
        entry.code = reader.Text(offset);
        entry.description = reader.Text(offset);
        entry.status = reader.Text(offset);
        request.texts.push_back(std::move(entry));
    }
}

void ParseKeyEntries(const CRequestReader& reader, size_t offset, DTC_REQUEST& request)
{
    if (reader.U8(offset) == kWideKeyMarker) {
        offset += 2;
        request.wideKeys = true;
        request.databaseFolder = reader.Text(offset);
    }
    const size_t keySize = request.wideKeys ? kWideKeySize : kShortKeySize;
    const size_t count = std::min<size_t>(request.count, kMaxDtcEntries);
    bool scanning = true;
    for (size_t i = 0; i < count; ++i) {
        DTC_KEY_ENTRY entry;
        if (request.wideKeys && Fits(offset, kLiteralMarker.size()) && IsLiteralMarker(reader, offset)) {
            scanning = false;
            offset += kLiteralMarker.size();
            entry.literal = true;
            entry.literalCode = reader.Text(offset);
        } else {
            if (!Fits(offset, keySize))
                break;  // a key cut by the end of the frame area is no key
            entry.key = ReadKey(reader, offset, keySize);
            entry.status = reader.Text(offset);
            request.statusColumn = request.statusColumn || (scanning && !entry.status.empty());
        }
        entry.displayCode = ReadDisplayCode(reader, offset);
        request.keys.push_back(std::move(entry));
    }
}

}  // namespace

DTC_REQUEST ParseDtcRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    DTC_REQUEST request;
    request.option = reader.Option();
    request.count = reader.BE16(kCountOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    request.freeText = request.option == kDtcFreeTextOption;
    if (request.freeText)
        ParseTextEntries(reader, offset, request);
    else
        ParseKeyEntries(reader, offset, request);
    return request;
}

bool AnyStatusText(const std::vector<DTC_TEXT_ENTRY>& entries)
{
    return std::any_of(entries.begin(), entries.end(), [](const DTC_TEXT_ENTRY& entry) { return !entry.status.empty(); });
}

void WriteDtcAnswer(ExchangeBlock block, uint8_t keyCode)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.U8(kKeyCodeOffset, keyCode);
}

void WriteDtcClickAnswer(ExchangeBlock block, uint16_t row)
{
    WriteDtcAnswer(block, 255);
    CAnswerWriter(block).BE16(kRowOffset, row);
}

std::string DtcKeyHex(const std::vector<uint8_t>& key)
{
    std::string hex;
    char digits[3] = {};
    for (uint8_t byte : key) {
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

std::string DtcShortCode(const std::vector<uint8_t>& key)
{
    if (key.size() < 2)
        return {};
    char code[5] = {};
    std::snprintf(code, sizeof code, "%02X%02X", key[key.size() - 2], key[key.size() - 1]);
    return code;
}

std::wstring CutDtcText(const std::wstring& text)
{
    if (text.size() <= kLongText)
        return text;
    return text.substr(0, kCutText) + L"...";
}

std::string ExpandMarkedDtcCode(const std::string& code)
{
    if (!StartsWith(code, kCodeMarker))
        return code;
    const std::string rest = code.substr(kCodeMarker.size());
    if (rest.size() < 2 || !std::isxdigit(static_cast<unsigned char>(rest[0])) ||
        !std::isxdigit(static_cast<unsigned char>(rest[1])))
        return code;
    const unsigned long firstByte = std::stoul(rest.substr(0, 2), nullptr, 16);
    static constexpr char kSystems[] = {'P', 'C', 'B', 'U'};
    return kSystems[(firstByte >> 6) & 3] + rest;
}
