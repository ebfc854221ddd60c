// Any bytes as a trouble-code request in the exchange block: parsing must stay inside the frame area.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "DtcFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<uint8_t> memory(exchange::kBlockSize);
    std::fill(memory.begin(), memory.end(), 0xAB);  // no terminators unless the input brings them
    std::copy_n(data, std::min(size, memory.size()), memory.begin());
    const ExchangeBlock block(memory.data(), exchange::kBlockSize);
    const DTC_REQUEST request = ParseDtcRequest(block);
    for (const DTC_KEY_ENTRY& entry : request.keys) {
        DtcKeyHex(entry.key);
        DtcShortCode(entry.key);
        ExpandMarkedDtcCode(entry.displayCode);
    }
    return 0;
}
