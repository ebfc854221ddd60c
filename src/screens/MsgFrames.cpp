#include "MsgFrames.h"

#include "ExchangeFrames.h"

namespace {

constexpr size_t kTypeOffset = 4;
constexpr size_t kMessageTextOffset = 6;
constexpr size_t kPositionOffset = 4;
constexpr size_t kProgressTextOffset = 5;

}  // namespace

MESSAGE_REQUEST ParseMessageRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    MESSAGE_REQUEST request;
    request.typeWord = reader.BE16(kTypeOffset);
    size_t offset = kMessageTextOffset;
    request.text = reader.Text(offset);
    request.title = reader.Text(offset);
    return request;
}

PROGRESS_REQUEST ParseProgressRequest(ExchangeBlock block)
{
    const CRequestReader reader(block);
    PROGRESS_REQUEST request;
    request.position = reader.U8(kPositionOffset);
    size_t offset = kProgressTextOffset;
    request.text = reader.Text(offset);
    request.textIsTitle = reader.U8(offset) != 0;
    return request;
}

std::wstring ToCrLfLines(std::wstring_view text)
{
    std::wstring lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r'))
            lines += L'\r';
        lines += text[i];
    }
    return lines;
}
