#include "DataResFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ByteFields.h"
#include "DataResNames.h"
#include "ProcessValues.h"

using namespace data_res;

namespace {

bool EndsWithNoCase(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && CompareNoCase(text.substr(text.size() - tail.size()), tail, tail.size()) == 0;
}

bool IsCheckedType(uint32_t type) { return type == 1 || type == 3 || type == 6; }

// Release files of a data set carry "DATRES_" and two letters in their name and serve every
// version of the set.
bool IsVersionFree(std::string_view path)
{
    return path.size() >= 13 && CompareNoCase(path.substr(path.size() - 13, 7), "DATRES_", 7) == 0;
}

}  // namespace

bool HasDataResHeader(std::string_view path) { return EndsWithNoCase(path, ".DAT"); }

bool CheckDataResHeader(std::string_view path, std::span<const uint8_t> header, float announcedVersion)
{
    if (!HasDataResHeader(path))
        return true;
    if (header.size() < kHeaderSize || std::memcmp(header.data(), "DRDB", 4) != 0)
        return false;
    if (!IsCheckedType(GetLe32(&header[kTypeOffset])))
        return true;

    if (!IsVersionFree(path)) {
        const double difference = static_cast<double>(announcedVersion) - GetLe32(&header[kVersionOffset]) * 0.01;
        if (difference < -0.0001 || difference > 0.0001)
            return false;
    }

    const NAME_LANGUAGE language = GetNameLanguage(path);
    if (language.id != kNoNameLanguage && language.id == GetLe32(&header[kLanguageOffset]))
        return true;
    const char letters[2] = {static_cast<char>(header[kLanguageOffset]), static_cast<char>(header[kLanguageOffset + 2])};
    return CompareNoCase(language.letters, std::string_view(letters, 2), 2) == 0;
}

int DataResFile::Open(const char* path, bool wholeFile, int byteOrder)
{
    DataStoreFile::SetContainerName(ResGetLanguageCodeA().c_str());
    if (!path)
        return 0;
    if (m_open && m_name == path && (m_wholeFile != nullptr) == wholeFile)
        return 1;

    Close();
    m_name = path;
    if (!m_storage.Open(path, "rb", true))
        return 0;
    m_byteOrder = byteOrder;
    if (wholeFile) {
        // The size is what the storage can deliver, never a count taken on trust from the file.
        auto bytes = std::make_unique<std::vector<uint8_t>>(static_cast<size_t>(m_storage.GetSize()));
        if (m_storage.Read(bytes->data(), bytes->size()) < bytes->size()) {
            m_storage.Close();
            return 0;
        }
        m_storage.Close();
        m_wholeFile = std::move(bytes);
    }
    m_open = true;  // the header is read through the file's own reads

    if (HasDataResHeader(m_name)) {
        uint8_t header[kHeaderSize] = {};
        const size_t got = ReadAt(header, 0, sizeof header);
        if (!CheckDataResHeader(m_name, std::span(header, got), GetGlobalFloat1())) {
            Close();
            return 0;
        }
    }
    return 1;
}

void DataResFile::Close()
{
    m_storage.Close();
    m_wholeFile.reset();
    m_open = false;
}

uint64_t DataResFile::GetSize() const
{
    if (!m_open)
        return 0;
    return m_wholeFile ? m_wholeFile->size() : m_storage.GetSize();
}

size_t DataResFile::ReadAt(void* buffer, uint64_t position, size_t count)
{
    const uint64_t size = GetSize();
    if (!m_open || !buffer || position >= size)
        return 0;
    count = static_cast<size_t>(std::min<uint64_t>(count, size - position));
    if (m_wholeFile) {
        std::memcpy(buffer, m_wholeFile->data() + position, count);
        return count;
    }
    if (!m_storage.Seek(static_cast<int64_t>(position), SEEK_SET))
        return 0;
    return m_storage.Read(buffer, count);
}

bool DataResFile::Read(uint64_t position, size_t count, void* buffer)
{
    return m_open && ReadAt(buffer, position, count) == count;
}

bool DataResFile::ReadU32(uint64_t position, uint32_t& value)
{
    uint8_t bytes[4];
    if (!Read(position, sizeof bytes, bytes))
        return false;
    value = m_byteOrder == kHostByteOrder ? GetLe32(bytes) : GetBe32(bytes);
    return true;
}

bool DataResFile::ReadU16Array(uint64_t position, size_t n, uint16_t* values)
{
    if (n == 0 || !values || n > SIZE_MAX / 2)
        return false;
    std::vector<uint8_t> bytes(n * 2);
    if (!Read(position, bytes.size(), bytes.data()))
        return false;
    for (size_t i = 0; i < n; ++i)
        values[i] = m_byteOrder == kHostByteOrder ? GetLe16(&bytes[2 * i]) : GetBe16(&bytes[2 * i]);
    return true;
}
