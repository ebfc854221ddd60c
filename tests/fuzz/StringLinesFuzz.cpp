// Any bytes as the text form of a string file: parsing must neither crash nor read out of bounds,
// and every record it accepts short enough for a record must be writable.
#include <cstdint>
#include <string_view>

#include "StringFile.h"
#include "StringLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<TAG_STRING_RESOURCE_ITEM> records;
    size_t badLine = 0;
    if (ParseStringLines(std::string_view(reinterpret_cast<const char*>(data), size), records, badLine) &&
        size < string_file::kMaxTextBytes / 4 && !EncodeStringFile(records))
        __builtin_trap();
    return 0;
}
