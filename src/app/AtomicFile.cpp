#include "AtomicFile.h"

#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

bool FlushToDisk(FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

FILE* OpenFileForWriting(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

}  // namespace

FILE* OpenFileForReading(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

bool WriteFileReplacing(const std::filesystem::path& path, const std::function<bool(FILE*)>& writeContent)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    FILE* file = OpenFileForWriting(temporary);
    if (!file)
        return false;
    bool written = writeContent(file) && FlushToDisk(file);
    written = std::fclose(file) == 0 && written;

    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);  // replaces the old file in one step
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
