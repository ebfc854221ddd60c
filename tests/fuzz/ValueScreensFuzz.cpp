// Any bytes as a request of the value-input or the version-list screen: parsing stays inside the
// frame area, and the answer written over it never reaches the key mailbox.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "InputFrames.h"
#include "VerFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<uint8_t> memory(exchange::kBlockSize);
    std::fill(memory.begin(), memory.end(), 0xAB);  // no terminators unless the input brings them
    std::copy_n(data, std::min(size, memory.size()), memory.begin());
    memory[exchange::kMailboxOffset] = 0x11;
    const ExchangeBlock block(memory.data(), exchange::kBlockSize);
    const INPUT_REQUEST input = ParseInputRequest(block);
    InputValueAcceptable(input, input.initialValue);
    WriteInputAnswer(block, kInputKeyAccept, input.prompt);
    if (ParseVerRequest(block).pairs.size() > kMaxVersionPairs || memory[exchange::kMailboxOffset] != 0x11)
        std::abort();
    return 0;
}
