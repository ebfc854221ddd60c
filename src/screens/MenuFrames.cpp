#include "MenuFrames.h"

#include "ExchangeFrames.h"

#include <algorithm>

namespace {

constexpr uint8_t kAnswerLength = 8;
constexpr size_t kSelectionOffset = 4;
constexpr size_t kFirstRowOffset = 6;
constexpr size_t kCountOffset = 8;
constexpr size_t kTitleOffset = 10;
constexpr size_t kPathOffset = 8;

}  // namespace

MENU_REQUEST ParseMenuRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    MENU_REQUEST request;
    request.selection = reader.SignedBE16(kSelectionOffset);
    request.firstRow = reader.BE16(kFirstRowOffset);
    if (request.selection != -1 && request.selection < request.firstRow)
        request.firstRow = 0;
    request.itemCount = reader.BE16(kCountOffset);
    size_t offset = kTitleOffset;
    request.titleEmpty = reader.Text(offset).empty();
    const size_t count = std::min<size_t>(request.itemCount, kMaxMenuItems);
    for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i)
        request.items.push_back(reader.Text(offset));
    return request;
}

void WriteMenuClickAnswer(ExchangeBlock block, uint16_t chosenRow, uint16_t firstRow, const std::u16string& path)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.BE16(kSelectionOffset, chosenRow);
    writer.BE16(kFirstRowOffset, firstRow);
    if (!path.empty())
        writer.Utf16Text(kPathOffset, u"MENU_CHOOSED" + path);
}

void WriteMenuBackAnswer(ExchangeBlock block, uint16_t firstRow)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.BE16(kSelectionOffset, 0xFFFF);
    writer.BE16(kFirstRowOffset, firstRow);
}
