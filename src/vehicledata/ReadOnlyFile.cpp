#include "ReadOnlyFile.h"

#include <algorithm>
#include <cstring>

#include "AtomicFile.h"

namespace {

// Offsets beyond 2 GB must work in the 32-bit build too, where long is 32 bits.
bool SeekTo(FILE* file, uint64_t position)
{
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(position), SEEK_SET) == 0;
#else
    return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
#endif
}

bool SizeOf(FILE* file, uint64_t& size)
{
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return false;
    const __int64 end = _ftelli64(file);
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return false;
    const off_t end = ftello(file);
#endif
    if (end < 0)
        return false;
    size = static_cast<uint64_t>(end);
    return true;
}

}  // namespace

CReadOnlyFile::~CReadOnlyFile() { Close(); }

bool CReadOnlyFile::Open(const std::filesystem::path& path)
{
    Close();
    if (path.empty())
        return false;
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;  // a folder opens for reading on some systems and then reads nothing useful
    m_file = OpenFileForReading(path);
    if (!m_file)
        return false;
    if (!SizeOf(m_file, m_size)) {
        Close();
        return false;
    }
    return true;
}

bool CReadOnlyFile::Map()
{
    return m_file && m_mapping.Map(m_file, m_size);
}

void CReadOnlyFile::Close()
{
    m_mapping.Unmap();
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    m_size = 0;
}

size_t CReadOnlyFile::ReadAt(uint64_t position, void* buffer, size_t count)
{
    if (!m_file || !buffer || position >= m_size)
        return 0;
    count = static_cast<size_t>(std::min<uint64_t>(count, m_size - position));
    if (count == 0)
        return 0;
    if (m_mapping.IsMapped()) {
        std::memcpy(buffer, m_mapping.GetData() + position, count);
        return count;
    }
    if (!SeekTo(m_file, position))
        return 0;
    return std::fread(buffer, 1, count, m_file);
}

const uint8_t* CReadOnlyFile::View(uint64_t position, size_t count) const
{
    if (!m_mapping.IsMapped() || position > m_size || count > m_size - position)
        return nullptr;
    return m_mapping.GetData() + position;
}
