#include "VehicleDbText.h"

#include <vector>

#include "DbFileWriter.h"
#include "DbLines.h"

std::string WriteVehicleDbFromLines(const std::filesystem::path& folder, const std::wstring& name, double version,
                                    const std::string& language, const std::string& lines)
{
    if (!(version >= 0 && version < 10000))
        return "the version is not a number below 10000";
    std::vector<DB_RECORD> records;
    if (const size_t bad = ParseDbLines(lines, records))
        return "line " + std::to_string(bad) + " is not \"KEYHEX<TAB>item...\" with keys of one length";
    DB_HEADER_FIELDS header;
    header.keyLength = static_cast<uint8_t>(records.empty() ? 4 : records.front().key.size());
    header.version = DbVersionDigits(version);
    header.language = language;
    if (WriteDbFile(folder, name, EncodeDbFile(header, std::move(records))).empty())
        return "cannot write the database";
    return {};
}
