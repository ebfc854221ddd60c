#include "VerFrames.h"

#include <algorithm>

#include "ExchangeFrames.h"

namespace {

constexpr size_t kCountOffset = 4;
constexpr size_t kTitleOffset = 6;
constexpr uint8_t kAnswerLength = 5;

}  // namespace

VER_REQUEST ParseVerRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    VER_REQUEST request;
    request.pairCount = reader.BE16(kCountOffset);
    size_t offset = kTitleOffset;
    request.title = reader.Text(offset);
    const size_t count = std::min<size_t>(request.pairCount, kMaxVersionPairs);
    for (size_t i = 0; i < count && offset < exchange::kMailboxOffset; ++i) {
        std::string name = reader.Text(offset);
        std::string value = reader.Text(offset);
        request.pairs.emplace_back(std::move(name), std::move(value));
    }
    return request;
}

void WriteVerAnswer(ExchangeBlock block, uint8_t key)
{
    CAnswerWriter writer(block);
    writer.Header(kAnswerLength);
    writer.U8(exchange::kPayloadOffset, key);
}
