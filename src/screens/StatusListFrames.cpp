#include "StatusListFrames.h"

#include "ExchangeFrames.h"

namespace {

constexpr size_t kKeyCountOffset = 4;
constexpr size_t kLayoutOffset = 6;
constexpr size_t kTitleOffset = 8;
constexpr uint8_t kKeyEnabledBit = 0x04;

constexpr uint8_t kAnswerLength = 9;
constexpr size_t kActionOffset = 4;
constexpr size_t kFirstRowOffset = 5;
constexpr size_t kRowsPerPageOffset = 8;

void ReadTable(const CRequestReader& reader, size_t& offset, STATUS_LIST_REQUEST& request)
{
    if (reader.U8(offset++) != 1)
        return;
    const uint16_t rowsOnPage = reader.BE16(offset);
    request.totalRows = reader.BE16(offset + 2);
    request.firstRow = reader.BE16(offset + 4);
    offset += 6;
    if (rowsOnPage > kMaxStatusRowsOnPage)
        return;  // more than a page holds: no table is drawn
    request.hasTable = true;
    for (uint16_t i = 0; i < rowsOnPage && offset < exchange::kMailboxOffset; ++i) {
        STATUS_ROW row;
        row.name = reader.Text(offset);
        row.unit = reader.Text(offset);
        row.value = reader.Text(offset);
        request.rows.push_back(std::move(row));
    }
}

}  // namespace

bool IsStatusLayout(uint16_t type)
{
    return type == 3 || type == 5 || type == 8 || type == 11 || type == 12;
}

bool StatusLayoutHasTable(uint16_t type)
{
    return type == 3 || type == 5;
}

STATUS_LIST_REQUEST ParseStatusListRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    STATUS_LIST_REQUEST request;
    request.keyCount = reader.BE16(kKeyCountOffset);
    request.layout = reader.BE16(kLayoutOffset);
    request.drawable = request.keyCount <= kMaxStatusKeys && IsStatusLayout(request.layout);
    if (!request.drawable)
        return request;
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    for (std::string& text : request.texts)
        text = reader.Text(offset);
    for (uint16_t i = 0; i < request.keyCount; ++i) {
        STATUS_KEY key;
        key.caption = reader.Text(offset);
        key.enabled = (reader.U8(offset++) & kKeyEnabledBit) != 0;
        request.keys.push_back(std::move(key));
    }
    if (StatusLayoutHasTable(request.layout))
        ReadTable(reader, offset, request);
    return request;
}

void WriteStatusListAnswer(ExchangeBlock block, uint8_t action, uint16_t firstRow, uint8_t rowsPerPage)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.U8(kActionOffset, action);
    writer.BE16(kFirstRowOffset, firstRow);
    writer.U8(kFirstRowOffset + 2, 0);
    writer.U8(kRowsPerPageOffset, rowsPerPage);
}
