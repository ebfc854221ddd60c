#include "ShortTestFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kCountOffset = 4;
constexpr size_t kTitleOffset = 6;
constexpr size_t kActionOffset = 4;
constexpr size_t kRowOffset = 5;

}  // namespace

SHORT_TEST_REQUEST ParseShortTestRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    SHORT_TEST_REQUEST request;
    request.count = reader.BE16(kCountOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    const uint16_t mode = reader.BE16(offset);
    if (mode == 1 || mode == 2) {
        request.mode = mode;
        offset += 2;
    }
    const size_t count = std::min<size_t>(request.count, kMaxShortTestRows);
    for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i) {
        SHORT_TEST_ROW row;
        row.item = reader.Text(offset);
        row.result = reader.Text(offset);
        request.rows.push_back(std::move(row));
    }
    return request;
}

void WriteShortTestAnswer(ExchangeBlock block, uint8_t action, uint16_t clickedRow)
{
    CAnswerWriter writer(block);
    const bool clicked = action == short_test::kRowClicked;
    writer.Header(clicked ? 7 : 5);
    writer.U8(kActionOffset, action);
    if (clicked)
        writer.BE16(kRowOffset, clickedRow);
}

uint32_t ShortTestToggleCaption(bool running)
{
    return running ? kShortTestStopCaption : kShortTestActivateCaption;
}

SHORT_TEST_TOGGLE PressShortTestToggle(bool running)
{
    const bool next = !running;
    return {running ? short_test::kToggledOff : short_test::kToggledOn, next, ShortTestToggleCaption(next)};
}
