#include "DSRecord.h"

#include <algorithm>
#include <cstdio>

#include "AtomicFile.h"
#include "FileBytes.h"

namespace {

constexpr uint8_t kLineFeed = 0x0A;
constexpr uint8_t kCarriageReturn = 0x0D;

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// One byte per character. A character the format cannot hold becomes '?' and the text goes on, so
// names in other scripts keep their length and their Latin parts. A line feed would end the line
// early and shift every later field, and a zero byte would cut the text for older readers.
void AppendLine(std::vector<uint8_t>& raw, std::wstring_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\0' || c == L'\n' || static_cast<uint32_t>(c) > 0xFF) {
            raw.push_back('?');
            if (sizeof(wchar_t) == 2 && IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
                ++i;  // one character, one '?'
        } else {
            raw.push_back(static_cast<uint8_t>(c));
        }
    }
    raw.push_back(kLineFeed);
}

void AppendCount(std::vector<uint8_t>& raw, uint32_t count)
{
    for (int shift = 0; shift < 32; shift += 8)
        raw.push_back(static_cast<uint8_t>(count >> shift));
}

// The reading side of the pairing: 0x0D 0x0A becomes 0x0A; every other byte stays, a lone 0x0D and
// a 0x1A included.
std::vector<uint8_t> JoinLineEnds(std::span<const uint8_t> bytes)
{
    std::vector<uint8_t> joined;
    joined.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == kCarriageReturn && i + 1 < bytes.size() && bytes[i + 1] == kLineFeed)
            continue;
        joined.push_back(bytes[i]);
    }
    return joined;
}

class CLineReader {
public:
    explicit CLineReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    size_t Remaining() const { return m_bytes.size() - m_pos; }

    bool ReadCount(uint32_t& count)
    {
        if (Remaining() < 4)
            return false;
        count = 0;
        for (int i = 0; i < 4; ++i)
            count |= static_cast<uint32_t>(m_bytes[m_pos++]) << (8 * i);
        return true;
    }

    // A whole line of any length, without its line feed. A text that the file's end cuts off has
    // no line feed and is no line.
    bool ReadLine(std::wstring& line)
    {
        const auto begin = m_bytes.begin() + static_cast<std::ptrdiff_t>(m_pos);
        const auto end = std::find(begin, m_bytes.end(), kLineFeed);
        if (end == m_bytes.end())
            return false;
        line.assign(begin, end);  // each byte is the character of the same value
        // No writer puts a zero byte into a text; where a damaged file has one, it must not end
        // the text early for whoever reads it as a C string.
        std::replace(line.begin(), line.end(), L'\0', L'?');
        m_pos += static_cast<size_t>(end - begin) + 1;
        return true;
    }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

}  // namespace

void CDSRecord::AddItem(std::wstring_view name, std::wstring_view unit)
{
    m_items.push_back(ITEM{std::wstring(name), std::wstring(unit)});
    m_size += name.size() + 1 + unit.size() + 1;
}

int CDSRecord::AddSampleRow(std::span<const std::wstring> texts)
{
    // A row of another width would put every later value under the wrong item.
    if (texts.size() != m_items.size())
        return 0;
    uint64_t size = m_size;
    for (const std::wstring& text : texts)
        size += text.size() + 1;
    if (size > kSizeLimit)
        return 0;
    m_samples.insert(m_samples.end(), texts.begin(), texts.end());
    m_size = size;
    return 1;
}

const wchar_t* CDSRecord::GetItemName(int item) const
{
    if (item < 0 || item >= GetItemCount())
        return nullptr;
    return m_items[static_cast<size_t>(item)].name.c_str();
}

const wchar_t* CDSRecord::GetItemUnit(int item) const
{
    if (item < 0 || item >= GetItemCount())
        return nullptr;
    return m_items[static_cast<size_t>(item)].unit.c_str();
}

int CDSRecord::GetRowCount() const
{
    return m_items.empty() ? 0 : GetSampleCount() / GetItemCount();
}

const wchar_t* CDSRecord::GetSample(int row, int item) const
{
    if (row < 0 || item < 0 || item >= GetItemCount())
        return nullptr;
    const uint64_t index = static_cast<uint64_t>(row) * m_items.size() + static_cast<uint64_t>(item);
    if (index >= m_samples.size())
        return nullptr;
    return m_samples[static_cast<size_t>(index)].c_str();
}

std::vector<uint8_t> CDSRecord::ToFileBytes() const
{
    std::vector<uint8_t> raw;
    AppendCount(raw, static_cast<uint32_t>(m_items.size()));
    for (const ITEM& item : m_items) {
        AppendLine(raw, item.name);
        AppendLine(raw, item.unit);
    }
    AppendCount(raw, static_cast<uint32_t>(m_samples.size()));
    for (const std::wstring& sample : m_samples)
        AppendLine(raw, sample);

    // Every 0x0A byte, the ones inside the counts too, goes out as 0x0D 0x0A: the layout that
    // existing readers expect.
    std::vector<uint8_t> bytes;
    bytes.reserve(raw.size() + raw.size() / 8);
    for (const uint8_t byte : raw) {
        if (byte == kLineFeed)
            bytes.push_back(kCarriageReturn);
        bytes.push_back(byte);
    }
    return bytes;
}

int CDSRecord::LoadFromBytes(std::span<const uint8_t> bytes)
{
    const std::vector<uint8_t> joined = JoinLineEnds(bytes);
    CLineReader reader(joined);

    uint32_t itemCount = 0;
    if (!reader.ReadCount(itemCount) || itemCount == 0 || itemCount > kMaxItems)
        return 0;
    std::vector<ITEM> items(itemCount);
    for (ITEM& item : items) {
        if (!reader.ReadLine(item.name) || !reader.ReadLine(item.unit))
            return 0;
    }

    // Every sample takes at least its line feed, so the rest of the file bounds what a count can
    // make us hold, whatever the count says.
    std::vector<std::wstring> samples;
    uint32_t sampleCount = 0;
    if (reader.ReadCount(sampleCount)) {
        samples.reserve(std::min<size_t>(sampleCount, reader.Remaining()));
        std::wstring line;
        for (uint32_t i = 0; i < sampleCount && reader.ReadLine(line); ++i)
            samples.push_back(line);
        if (samples.size() < sampleCount)
            samples.resize(samples.size() - samples.size() % itemCount);  // a cut-off row is dropped whole
    }

    for (const ITEM& item : items)
        AddItem(item.name, item.unit);
    for (const std::wstring& sample : samples)
        m_size += sample.size() + 1;  // loading does not refuse rows, but the counter stays true
    m_samples.insert(m_samples.end(), std::make_move_iterator(samples.begin()), std::make_move_iterator(samples.end()));
    return 1;
}

int CDSRecord::SaveToFile(const std::filesystem::path& path) const
{
    const std::vector<uint8_t> bytes = ToFileBytes();
    const bool saved = WriteFileReplacing(path, [&bytes](FILE* file) {
        return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    });
    return saved ? 1 : 0;
}

int CDSRecord::LoadFromFile(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytesUpTo(path, kMaxFileBytes, bytes))
        return 0;
    return LoadFromBytes(bytes);
}
