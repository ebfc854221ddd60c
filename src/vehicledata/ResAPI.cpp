#include "ResAPI.h"

#include <cstring>

#include "ByteFields.h"
#include "DbTextConversion.h"

using namespace text_db;

int CResAPI::OpenDatabase(const wchar_t* path)
{
    if (!path)
        return 0;
    if (m_open && m_path == path)
        return 1;

    // The path is kept only once it has opened, so a failed open is never answered as a success.
    Close();
    m_path.clear();
    auto reader = std::make_unique<DataResFile>();
    if (!reader->Open(EncodeUtf8(path).c_str(), false, data_res::kLittleEndian))
        return 0;
    uint32_t count = 0;
    if (!reader->ReadU32(kCountOffset, count) || count == 0 || count == 0xFFFFFFFF)
        return 0;
    const uint64_t size = reader->GetSize();
    if (size < kIndexOffset || count > (size - kIndexOffset) / kEntrySize)
        return 0;

    std::vector<uint8_t> bytes(size_t{count} * kEntrySize);
    if (!reader->Read(kIndexOffset, bytes.size(), bytes.data()))
        return 0;
    m_entries.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = &bytes[i * kEntrySize];
        m_entries[i].offset = GetLe32(entry);
        m_entries[i].length = GetLe32(entry + 4);
        std::memcpy(m_entries[i].key.data(), entry + kKeyOffset, kKeySize);
    }
    ++m_indexLoads;
    m_reader = std::move(reader);
    m_count = count;
    m_path = path;
    m_open = true;
    return 1;
}

int CResAPI::GetDbTextW(Key key, std::wstring& text)
{
    text.clear();
    if (!m_open || m_count <= 0)
        return 0;
    // Signed bounds: hi may step below lo at 0 without wrapping.
    int64_t lo = 0;
    int64_t hi = m_count - 1;
    while (lo <= hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        const int order = std::memcmp(key.data(), m_entries[static_cast<size_t>(mid)].key.data(), kKeySize);
        if (order < 0)
            hi = mid - 1;
        else if (order > 0)
            lo = mid + 1;
        else
            return GetDbTextByIndex(mid, text);
    }
    return 0;
}

int CResAPI::GetDbTextA(Key key, std::string& text)
{
    text.clear();
    std::wstring wide;
    if (!GetDbTextW(key, wide))
        return 0;
    return WideToDbText(wide, text) ? 1 : 0;
}

int CResAPI::GetDbTextByIndex(int64_t index, std::wstring& text)
{
    text.clear();
    if (index == -1)
        return 1;
    if (!m_open || index < 0 || index >= m_count)
        return 0;
    const ENTRY& entry = m_entries[static_cast<size_t>(index)];
    const size_t units = entry.length / 2;  // an odd last byte is no unit
    if (units == 0 || units > kMaxTextUnits)
        return 0;
    std::vector<uint16_t> buffer(units);
    if (!m_reader->ReadU16Array(entry.offset, units, buffer.data()))
        return 0;
    for (const uint16_t unit : buffer) {
        if (unit == 0)
            break;
        text.push_back(static_cast<wchar_t>(unit));
    }
    return 1;
}

void CResAPI::Close()
{
    m_reader.reset();
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_count = -1;
    m_open = false;
}
