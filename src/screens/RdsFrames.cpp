#include "RdsFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kModeOffset = 4;
constexpr size_t kIdLayoutOffset = 5;
constexpr size_t kCountOffset = 6;
constexpr size_t kTotalOffset = 8;
constexpr size_t kPageBaseOffset = 10;
constexpr size_t kTextsOffset = 8;
constexpr size_t kPagedTextsOffset = 12;

constexpr uint8_t kAnswerLength = 5;
constexpr size_t kKeyOffset = 4;
constexpr size_t kAnswerPageBaseOffset = 5;
constexpr size_t kAnswerRowsOffset = 8;

RDS_ID ReadId(const CRequestReader& reader, size_t& offset)
{
    RDS_ID id = {};
    for (uint8_t& byte : id)
        byte = reader.U8(offset++);
    return id;
}

}  // namespace

RDS_ITEM ReadRdsItem(const CRequestReader& reader, bool textForm, uint8_t idLayout, size_t& offset)
{
    RDS_ITEM item;
    if (textForm) {
        item.name = reader.Text(offset);
        item.value = reader.Text(offset);
        item.unit = reader.Text(offset);
        return item;
    }
    item.id = ReadId(reader, offset);
    if (idLayout == 1)
        item.second = ReadId(reader, offset);
    item.value = reader.Text(offset);
    return item;
}

size_t RdsAbsoluteItem(const RDS_REQUEST& request, size_t index)
{
    return request.pagingMode == rds::kPagedByProgram ? request.pageBase + index : index;
}

RDS_REQUEST ParseRdsRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    RDS_REQUEST request;
    const uint8_t option = reader.Option();
    request.textForm = (option >> 4) == rds::kTextFormNibble;
    request.pagingMode = option & 0x0F;
    request.mode = reader.U8(kModeOffset);
    request.idLayout = reader.U8(kIdLayoutOffset);
    request.itemCount = reader.BE16(kCountOffset);
    size_t offset = kTextsOffset;
    if (request.pagingMode == rds::kPagedByProgram) {
        request.total = reader.BE16(kTotalOffset);
        request.pageBase = reader.BE16(kPageBaseOffset);
        offset = kPagedTextsOffset;
    }
    request.databaseName = reader.Text(offset);
    request.title = reader.Text(offset);
    if (!request.textForm && request.idLayout > 1)
        return request;
    for (size_t i = 0; i < request.itemCount && offset < exchange::kMailboxOffset; ++i) {
        if (RdsAbsoluteItem(request, i) >= rds::kMaxItems)
            break;
        request.items.push_back(ReadRdsItem(reader, request.textForm, request.idLayout, offset));
    }
    return request;
}

bool IsSameRdsList(const RDS_REQUEST& request, const std::vector<RDS_ID>& ids, const std::vector<RDS_ID>& seconds)
{
    if (request.textForm || ids.size() != request.items.size())
        return false;
    const bool withSeconds = request.idLayout == 1;
    if (withSeconds && seconds.size() != request.items.size())
        return false;
    for (size_t i = 0; i < request.items.size(); ++i) {
        if (request.items[i].id != ids[i] || (withSeconds && request.items[i].second != seconds[i]))
            return false;
    }
    return true;
}

void WriteRdsAnswer(ExchangeBlock block, const RDS_ANSWER& answer)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.U8(kKeyOffset, answer.key);
    if (!answer.paged)
        return;
    writer.BE16(kAnswerPageBaseOffset, answer.pageBase);
    writer.U8(kAnswerPageBaseOffset + 2, 0);
    writer.U8(kAnswerRowsOffset, answer.rows);
}

std::string RdsIdText(const RDS_ID& id)
{
    const auto end = std::find(id.begin(), id.end(), uint8_t{0});
    return std::string(id.begin(), end);
}
