#include "ActiveTestFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kButtonCountOffset = 4;
constexpr size_t kTitleOffset = 6;
constexpr size_t kButtonRecordBytes = 7;
constexpr uint8_t kTextFormNibble = 0x8;
constexpr uint8_t kHeadersLayout = 2;
constexpr uint8_t kOneColumnLayout = 3;

constexpr uint8_t kAnswerLength = 5;
constexpr size_t kKeyOffset = 4;
constexpr size_t kRowOffset = 6;

ACTIVE_TEST_BUTTON ReadButton(const CRequestReader& reader, size_t offset)
{
    std::string caption;
    for (size_t i = 0; i < active_test::kCaptionBytes; ++i) {
        const uint8_t byte = reader.U8(offset + i);
        if (byte == 0)
            break;
        caption.push_back(static_cast<char>(byte));
    }
    return {caption, reader.U8(offset + active_test::kCaptionBytes) != active_test::kDisabledState};
}

void ReadButtons(const CRequestReader& reader, ACTIVE_TEST_REQUEST& request, size_t& offset)
{
    for (size_t i = 0; i < request.buttonCount && offset < exchange::kMailboxOffset; ++i) {
        if (request.buttons.size() < active_test::kMaxButtons)
            request.buttons.push_back(ReadButton(reader, offset));
        offset += kButtonRecordBytes;
    }
}

void ReadColumnLayout(const CRequestReader& reader, ACTIVE_TEST_REQUEST& request, size_t& offset)
{
    if (request.option == active_test::kIdAnswerMode)
        return;
    const uint8_t nibble = request.option & 0x0F;
    if (nibble == kOneColumnLayout) {
        request.columnLayout = nibble;
    } else if (nibble == kHeadersLayout) {
        request.columnLayout = nibble;
        const uint16_t count = reader.BE16(offset);
        offset += 2;
        for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i)
            request.headers.push_back(reader.Text(offset));
    }
}

}  // namespace

ACTIVE_TEST_REQUEST ParseActiveTestRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    ACTIVE_TEST_REQUEST request;
    request.option = reader.Option();
    request.textForm = (request.option >> 4) == kTextFormNibble;
    request.answerMode = request.option == active_test::kIdAnswerMode || request.option == active_test::kTextAnswerMode;
    request.editVisible = (request.option & 0x0F) == 1;
    request.buttonCount = reader.BE16(kButtonCountOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    ReadButtons(reader, request, offset);
    ReadColumnLayout(reader, request, offset);
    request.rowLayout = reader.U8(offset++);
    const size_t rowCount = std::min<size_t>(reader.BE16(offset), active_test::kMaxRows);
    offset += 2;
    if (!request.textForm && request.rowLayout > 1)
        return request;
    for (size_t i = 0; i < rowCount && offset < exchange::kMailboxOffset; ++i)
        request.rows.push_back(ReadRdsItem(reader, request.textForm, request.rowLayout, offset));
    request.helpText = reader.Text(offset);
    return request;
}

void WriteActiveTestAnswer(ExchangeBlock block, uint8_t key, std::optional<uint16_t> clickedRow)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.U8(kKeyOffset, key);
    if (clickedRow)
        writer.BE16(kRowOffset, *clickedRow);
}

uint8_t ActiveTestMailboxKey(int commandId)
{
    return static_cast<uint8_t>((commandId + 56) & 0xFF);
}
