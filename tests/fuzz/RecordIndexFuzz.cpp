// Any bytes as a recording index: whole records only, and every record kept names a plain file
// and ends each field within its width.
#include <cstdint>
#include <cstdlib>

#include "DSRecorderInfoMgr.h"

namespace {

template <size_t N>
bool Ended(const char16_t (&field)[N])
{
    for (const char16_t unit : field)
        if (unit == u'\0')
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto records = ParseRecordIndex(std::span<const uint8_t>(data, size));
    if (records.size() > size / sizeof(_stuDSRecorderInfo))
        std::abort();
    for (const _stuDSRecorderInfo& record : records) {
        if (!IsRecordingFileName(record.GetFileName()) || !Ended(record.language) || !Ended(record.maker) ||
            !Ended(record.menuPath) || !Ended(record.dateTime) || !Ended(record.fileName))
            std::abort();
        if (record.GetMenuPath().size() > 383 || record.GetFileName().size() > 63)
            std::abort();
    }
    return 0;
}
