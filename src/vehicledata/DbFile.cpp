#include "DbFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

#include "ByteFields.h"
#include "DbFileName.h"
#include "DbItem.h"
#include "ProcessValues.h"
#include "Rijndael.h"
#include "VehicleDataHost.h"
#include "VehicleDataPaths.h"

using namespace db_file;

namespace {

constexpr size_t kRecordReadAhead = 512;

// The bytes of one record from its offset on, never past the file's end. A mapped file gives them
// in place; otherwise they are read ahead in one piece and read on only when an item reaches past
// what has been read.
class CRecordBytes {
public:
    CRecordBytes(CReadOnlyFile& file, uint64_t offset) : m_file(file), m_offset(offset) {}

    // The `count` bytes at `position` of the record, or null when the file ends before them.
    const uint8_t* Bytes(size_t position, size_t count)
    {
        if (const uint8_t* mapped = m_file.View(m_offset + position, count))
            return mapped;
        const size_t needed = position + count;
        if (needed > m_bytes.size() && !ReadUpTo(needed))
            return nullptr;
        return m_bytes.data() + position;
    }

private:
    bool ReadUpTo(size_t needed)
    {
        if (m_atEnd)
            return false;
        const size_t have = m_bytes.size();
        const size_t wanted = std::max(needed, have + kRecordReadAhead) - have;
        m_bytes.resize(have + wanted);
        const size_t got = m_file.ReadAt(m_offset + have, m_bytes.data() + have, wanted);
        m_bytes.resize(have + got);
        m_atEnd = got < wanted;
        return m_bytes.size() >= needed;
    }

    CReadOnlyFile& m_file;
    uint64_t m_offset;
    std::vector<uint8_t> m_bytes;
    bool m_atEnd = false;
};

// A name from a caller may come from the diagnostic program; it must name a file below the
// vehicle-software folder.
bool EndsWith(const std::wstring& text, std::wstring_view tail)
{
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Eight packed decimal digits, read as the text "dddd.dddd". A half that is no digit becomes a
// character after "9" and ends the number there, as reading the text does.
double ReadVersion(const uint8_t* digits)
{
    char text[9];
    size_t at = 0;
    for (size_t i = 0; i < 4; ++i) {
        if (i == 2)
            text[at++] = '.';
        text[at++] = static_cast<char>('0' + (digits[i] >> 4));
        text[at++] = static_cast<char>('0' + (digits[i] & 0x0F));
    }
    double value = 0;
    if (std::from_chars(text, text + sizeof text, value).ec != std::errc())
        return 0;
    return value;
}

}  // namespace

std::wstring DbHeaderErrorText(int code) { return L"DB Information Error, Error Code:" + std::to_wstring(code); }

bool CDbFile::OpenPart(int part)
{
    static constexpr const wchar_t* kParts[] = {L"_CMD.DB"};
    if (part < 0 || part >= static_cast<int>(std::size(kParts)))
        return false;
    return Open(kParts[part]);
}

bool CDbFile::Open(const std::wstring& name)
{
    Release();
    m_packed = false;
    std::wstring folder = ResGetSoftwareDir();
    if (folder.empty() || !IsPathInsideFolder(name))
        return false;
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    const std::wstring path = MakeDbFileName(folder + name);

    if (EndsWith(path, L".dat")) {
        m_packed = true;
        if (!m_textReader)
            m_textReader = std::make_unique<CResAPI>();
        return m_textReader->OpenDatabase(path.c_str()) == 1;
    }

    if (!m_file.Open(ToFileSystemPath(path)))
        return false;
    // Lookups read small pieces all over the file; mapped, they cost no system call. A file that
    // cannot be mapped reads the same bytes through the file.
    m_file.Map();
    const int result = ReadHeader(IsLanguageBoundDbPath(path));
    if (result != kHeaderGood) {
        ShowDbMessage(DbHeaderErrorText(result));
        Release();
        return false;
    }
    LoadIndex();  // without an index, lookups scan the file
    return true;
}

int CDbFile::ReadHeader(bool languageCheck)
{
    uint8_t stored[kHeaderSize];
    if (m_file.ReadAt(0, stored, sizeof stored) < sizeof stored)
        return kHeaderShort;
    uint8_t header[kHeaderSize];
    DecipherDbHeader(stored, header);

    if (languageCheck) {
        const std::wstring language = ResGetLanguageCode();
        std::wstring fileLanguage;
        for (size_t i = kLanguageOffset; i < kLanguageOffset + 2 && header[i] != 0; ++i)
            fileLanguage.push_back(static_cast<wchar_t>(header[i]));
        if (fileLanguage != language)
            return kHeaderWrongLanguage;
    }
    if (header[0] != 'P' || header[1] != 'T')
        return kHeaderNoMagic;
    const double announced = GetGlobalFloat1();
    if (std::fabs(ReadVersion(header + kVersionOffset) - announced) > 0.00001)
        return kHeaderWrongVersion;
    const uint8_t keyLength = header[kKeyLengthOffset];
    if (keyLength < 1 || keyLength > kMaxKeyLength)
        return kHeaderBadKeyLength;
    m_keyLength = keyLength;
    m_count = GetBe32(header + kCountOffset);
    m_scrambler.SetWord(GetBe32(header + kScramblerWordOffset));
    m_scrambler.SetByte(header[kScramblerByteOffset]);
    return kHeaderGood;
}

bool CDbFile::LoadIndex()
{
    m_index.reset();
    if (!m_file.IsOpen() || m_keyLength == 0)
        return false;
    // The count comes from the file: an index the file cannot hold is not allocated at all.
    const uint64_t entrySize = uint64_t{m_keyLength} + kRecordOffsetSize;
    const uint64_t size = m_file.GetSize();
    if (size < kIndexOffset || m_count > (size - kIndexOffset) / entrySize)
        return false;
    std::vector<uint8_t> index(static_cast<size_t>(entrySize * m_count));
    if (m_file.ReadAt(kIndexOffset, index.data(), index.size()) < index.size())
        return false;
    m_index = std::move(index);
    return true;
}

int64_t CDbFile::FindOffset(const ByteString& key) const
{
    if (!m_index || m_count == 0 || m_keyLength == 0 || key.GetLength() < m_keyLength)
        return -1;
    const size_t entrySize = size_t{m_keyLength} + kRecordOffsetSize;
    auto entryAt = [&](int64_t i) { return m_index->data() + static_cast<size_t>(i) * entrySize; };

    // Signed indices; each step narrows the range or ends, so the search always stops.
    int64_t lo = 0;
    int64_t hi = int64_t{m_count} - 1;
    for (;;) {
        const int64_t mid = (lo + hi) / 2;
        const int order = std::memcmp(entryAt(mid), key.GetData(), m_keyLength);
        if (order == 0)
            return GetBe32(entryAt(mid) + m_keyLength);
        if (order > 0) {
            if (hi == mid)
                return -1;
            hi = mid;
        } else if (lo == mid) {
            if (hi == mid)
                return -1;
            lo = hi;
        } else {
            lo = mid;
        }
    }
}

std::vector<ByteString> CDbFile::ReadRecord(const ByteString& key)
{
    if (m_packed)
        return ReadPacked(key);
    if (!m_file.IsOpen())
        return {};
    if (m_index) {
        const int64_t offset = FindOffset(key);
        if (offset < 0)
            return {};
        return ReadItems(static_cast<uint64_t>(offset));
    }
    const std::optional<uint64_t> offset = ScanForOffset(key);
    return offset ? ReadItems(*offset) : std::vector<ByteString>{};
}

std::vector<ByteString> CDbFile::ReadPacked(const ByteString& key)
{
    if (!m_textReader || !m_textReader->IsOpen() || key.GetLength() > static_cast<int>(kPackedKeySize) || key.GetCapacity() != static_cast<int>(kPackedKeySize))
        return {};
    uint8_t padded[kPackedKeySize] = {};
    key.CopyTo(padded, 0, -1);
    std::string text;
    if (!m_textReader->GetDbTextA(padded, text))
        return {ByteString()};
    return {ByteString(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int>(text.size()))};
}

std::optional<uint64_t> CDbFile::ScanForOffset(const ByteString& key)
{
    if (key.GetLength() != m_keyLength)
        return std::nullopt;  // the scan compares whole keys
    const size_t entrySize = size_t{m_keyLength} + kRecordOffsetSize;
    uint8_t entry[kMaxKeyLength + kRecordOffsetSize];
    uint64_t position = kIndexOffset;
    for (uint32_t i = 0; i < m_count; ++i, position += entrySize) {
        const size_t got = m_file.ReadAt(position, entry, entrySize);
        if (got < m_keyLength)
            return std::nullopt;
        if (std::memcmp(entry, key.GetData(), m_keyLength) == 0)
            return got == entrySize ? std::optional<uint64_t>(GetBe32(entry + m_keyLength)) : std::nullopt;
    }
    return std::nullopt;
}

// A record is read with as few reads as its size allows: in place from a mapped file, or one read
// of kRecordReadAhead bytes that holds the count and every item of an ordinary record; only a
// larger record reads the rest it needs. Items are unscrambled in a copy, never in the file's bytes.
std::vector<ByteString> CDbFile::ReadItems(uint64_t offset)
{
    CRecordBytes record(m_file, offset);
    std::vector<uint8_t> item(kRecordReadAhead);
    const uint8_t* countField = record.Bytes(0, 1);
    if (!countField)
        return {};
    const unsigned count = *countField;
    size_t position = 1;
    std::vector<ByteString> items;
    items.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const uint8_t* lengthField = record.Bytes(position, 2);
        if (!lengthField)
            return {};
        const uint16_t length = GetBe16(lengthField);
        // A byte string holds at most 32767 bytes; a longer item cannot be returned whole.
        if (length > ByteString::kMaxLength)
            return {};
        const uint8_t* bytes = record.Bytes(position + 2, length);
        if (!bytes)
            return {};
        if (item.size() < length)
            item.resize(length);
        std::memcpy(item.data(), bytes, length);
        items.push_back(UnscrambleDbItem(item.data(), length));
        position += 2u + length;
    }
    return items;
}

void CDbFile::Release()
{
    m_file.Close();
    m_index.reset();
    m_keyLength = 0;
    m_count = 0;
    m_scrambler = RecordScrambler();
}

void CDbFile::Close()
{
    Release();
    m_textReader.reset();
    m_packed = false;
}
