#include "ReadOnlyMapping.h"

#include <limits>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/mman.h>
#include <sys/stat.h>
#endif

namespace {

#ifdef _WIN32

const uint8_t* MapFile(FILE* file, uint64_t size)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    // The mapping object is asked for exactly `size` bytes: read-only, it cannot grow the file,
    // so a file that became shorter is refused here rather than faulting later. The view keeps
    // the object alive, so its handle is closed at once.
    HANDLE mapping = CreateFileMappingW(handle, nullptr, PAGE_READONLY, static_cast<DWORD>(size >> 32),
                                        static_cast<DWORD>(size), nullptr);
    if (!mapping)
        return nullptr;
    void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(size));
    CloseHandle(mapping);
    return static_cast<const uint8_t*>(view);
}

void UnmapFile(const uint8_t* data, uint64_t) { UnmapViewOfFile(data); }

#else

const uint8_t* MapFile(FILE* file, uint64_t size)
{
    const int descriptor = fileno(file);
    void* view = mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_SHARED, descriptor, 0);
    if (view == MAP_FAILED)
        return nullptr;
    // Pages beyond the file's end fault on access: a file that became shorter is not used.
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || status.st_size < 0 || static_cast<uint64_t>(status.st_size) < size) {
        munmap(view, static_cast<size_t>(size));
        return nullptr;
    }
    return static_cast<const uint8_t*>(view);
}

void UnmapFile(const uint8_t* data, uint64_t size) { munmap(const_cast<uint8_t*>(data), static_cast<size_t>(size)); }

#endif

}  // namespace

bool CReadOnlyMapping::Map(FILE* file, uint64_t size)
{
    Unmap();
    if (!file || size == 0 || size > std::numeric_limits<size_t>::max())
        return false;
    m_data = MapFile(file, size);
    if (!m_data)
        return false;
    m_size = size;
    return true;
}

void CReadOnlyMapping::Unmap()
{
    if (m_data)
        UnmapFile(m_data, m_size);
    m_data = nullptr;
    m_size = 0;
}
