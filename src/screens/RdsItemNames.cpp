#include "RdsItemNames.h"

#include <algorithm>

namespace {

constexpr int kNameBytes = 300;
constexpr int kUnitBytes = 40;
constexpr const char* kUnknown = "????";

// A field's bytes up to the first zero, at most `limit` of them.
std::string FieldText(const ByteString& field, int limit)
{
    const uint8_t* data = field.GetData();
    if (!data)
        return {};
    const int length = std::min<int>(field.GetLength(), limit);
    return std::string(data, std::find(data, data + length, uint8_t{0}));
}

// A packed database answers a missing key with one field without bytes: that is no record either.
bool IsFound(const std::vector<ByteString>& record)
{
    return !record.empty() && record.front().GetData() != nullptr;
}

ByteString Key(const RDS_ID& id)
{
    return ByteString(id.data(), static_cast<int>(id.size()));
}

}  // namespace

bool IsPackedRdsDatabase(const std::wstring& name)
{
    return name.size() >= 5 && name.compare(name.size() - 4, 4, L".dat") == 0;
}

RDS_ITEM_NAMES NameRdsItem(CDbFile& texts, const RDS_ITEM& item, uint8_t idLayout, bool packed)
{
    const std::vector<ByteString> record = texts.ReadRecord(Key(item.id));
    const bool found = IsFound(record);
    RDS_ITEM_NAMES names;
    names.found = found;
    names.name = found ? FieldText(record[0], kNameBytes) : kUnknown;
    if (idLayout == 0) {
        names.unit = !found ? kUnknown : record.size() > 1 ? FieldText(record[1], kUnitBytes) : "";
    } else if (found && packed) {
        const std::vector<ByteString> unitRecord = texts.ReadRecord(Key(item.second));
        names.unit = unitRecord.empty() ? "" : FieldText(unitRecord[0], kUnitBytes);
    } else {
        names.unit = RdsIdText(item.second);
    }
    return names;
}
