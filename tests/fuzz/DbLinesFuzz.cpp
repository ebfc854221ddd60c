// Any bytes as the text form of a database: reading the lines must neither crash nor read out of
// bounds, and what it reads must make a database.
#include <cstdint>
#include <string>
#include <vector>

#include "DbFile.h"
#include "DbLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<DB_RECORD> records;
    const size_t bad = ParseDbLines(std::string(reinterpret_cast<const char*>(data), size), records);
    if (bad == 0 && !records.empty()) {
        DB_HEADER_FIELDS header;
        header.keyLength = static_cast<uint8_t>(records.front().key.size());
        if (header.keyLength < 1 || header.keyLength > db_file::kMaxKeyLength)
            __builtin_trap();
        EncodeDbFile(header, records);
    }
    return 0;
}
