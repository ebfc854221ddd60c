// Any bytes as a message, progress, picture or special-function request: parsing must stay inside the
// frame area.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "MessageKeys.h"
#include "MsgFrames.h"
#include "PictureFrames.h"
#include "SpecialFuncFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<uint8_t> memory(exchange::kBlockSize);
    std::fill(memory.begin(), memory.end(), 0xAB);  // no terminators unless the input brings them
    std::copy_n(data, std::min(size, memory.size()), memory.begin());
    const ExchangeBlock block(memory.data(), exchange::kBlockSize);
    const MESSAGE_REQUEST message = ParseMessageRequest(block);
    CMessageKeys keys;
    keys.Setup(message.typeWord);
    for (size_t key = 0; key < CMessageKeys::kKeyCount; ++key)
        keys.Press(key);
    ParseProgressRequest(block);
    ParsePictureRequest(block);
    ParseSpecialFuncRequest(block);
    return 0;
}
