#include "InputFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"
#include "NumberText.h"

namespace {

constexpr size_t kInputTypeBytes = 2;
constexpr size_t kKeyOffset = 4;
constexpr size_t kTextOffset = 5;
constexpr size_t kAnswerOverhead = 6;

}  // namespace

INPUT_REQUEST ParseInputRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    INPUT_REQUEST request;
    size_t offset = exchange::kPayloadOffset;
    request.prompt = reader.Text(offset);
    request.title = reader.Text(offset);
    request.initialValue = reader.Text(offset);
    size_t typeOffset = offset;
    request.inputType = reader.Text(typeOffset);
    offset = std::min(offset + kInputTypeBytes, exchange::kMailboxOffset);
    request.minimum = reader.Text(offset);
    request.maximum = reader.Text(offset);
    return request;
}

bool InputValueAcceptable(const INPUT_REQUEST& request, std::string_view value)
{
    if (request.inputType != "9")
        return true;
    const int number = ParseLeadingInt(value);
    return ParseLeadingInt(request.minimum) <= number && number <= ParseLeadingInt(request.maximum);
}

void WriteInputAnswer(ExchangeBlock block, uint8_t key, std::string_view text)
{
    const std::string_view answered = text.substr(0, std::min(text.size(), kMaxInputAnswerText));
    CAnswerWriter writer(block);
    writer.Header(static_cast<uint8_t>(answered.size() + kAnswerOverhead));
    writer.U8(kKeyOffset, key);
    writer.NarrowText(kTextOffset, answered);
}
