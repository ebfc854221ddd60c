#include "SpecialFuncFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"
#include "NumberText.h"

namespace {

constexpr size_t kCountOffset = 4;
constexpr size_t kTitleOffset = 6;
constexpr size_t kButtonRecordSize = 7;

RDS_ID ReadKey(const CRequestReader& reader, size_t offset)
{
    RDS_ID key = {};
    for (size_t i = 0; i < key.size(); ++i)
        key[i] = reader.U8(offset + i);
    return key;
}

void ReadButtons(const CRequestReader& reader, uint16_t count, size_t& offset, SPECIAL_FUNC_REQUEST& request)
{
    for (uint16_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i, offset += kButtonRecordSize) {
        if (request.buttons.size() < special_func::kMaxButtons)
            request.buttons.push_back({ReadKey(reader, offset),
                                       reader.U8(offset + rds::kIdSize) != special_func::kButtonDisabled});
    }
    offset = std::min(offset, exchange::kMailboxOffset);
}

void ReadRows(const CRequestReader& reader, uint16_t count, size_t& offset, SPECIAL_FUNC_REQUEST& request)
{
    const size_t keySize = request.longKeys ? 2 * rds::kIdSize : rds::kIdSize;
    for (uint16_t i = 0; i < count && request.rows.size() < special_func::kMaxRows; ++i) {
        if (offset + keySize >= exchange::kMailboxOffset)
            break;
        SPECIAL_FUNC_ROW row;
        row.key = ReadKey(reader, offset);
        if (request.longKeys)
            row.second = ReadKey(reader, offset + rds::kIdSize);
        offset += keySize;
        row.value = reader.Text(offset);
        request.rows.push_back(std::move(row));
    }
}

}  // namespace

SPECIAL_FUNC_REQUEST ParseSpecialFuncRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    SPECIAL_FUNC_REQUEST request;
    request.updateForm = reader.Option() == special_func::kUpdateForm;
    const uint16_t buttonCount = reader.BE16(kCountOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    ReadButtons(reader, buttonCount, offset, request);
    request.longKeys = reader.U8(offset) == 1;
    const uint16_t rowCount = reader.BE16(offset + 1);
    offset += 3;
    ReadRows(reader, rowCount, offset, request);
    const bool bothZero = reader.U8(offset) == 0 && reader.U8(offset + 1) == 0;
    request.text = reader.Text(offset);
    if (bothZero)
        request.text.assign(1, '1');
    request.lower = reader.BE16(offset);
    request.upper = reader.BE16(offset + 2);
    request.extra = reader.BE16(offset + 4);
    return request;
}

int SpecialFuncValue(const std::string& text)
{
    return ParseLeadingInt(text);
}

int SpecialFuncBarPosition(int value, int lower, int upper)
{
    return std::clamp(value, std::min(lower, upper), std::max(lower, upper));
}
