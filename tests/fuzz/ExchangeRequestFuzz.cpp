// Any bytes as a request in the exchange block: parsing must stay inside the frame area.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "ActiveTestFrames.h"
#include "ExchangeFrames.h"
#include "MenuFrames.h"
#include "MultSelectFrames.h"
#include "ShortTestFrames.h"
#include "StatusListFrames.h"
#include "RdsFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static std::vector<uint8_t> memory(exchange::kBlockSize);
    std::fill(memory.begin(), memory.end(), 0xAB);  // no terminators unless the input brings them
    std::copy_n(data, std::min(size, memory.size()), memory.begin());
    const ExchangeBlock block(memory.data(), exchange::kBlockSize);
    ParseMenuRequest(block);
    ParseShortTestRequest(block);
    PreselectedRows(ParseMultiSelectRequest(block));
    ParseStatusListRequest(block);
    ParseRdsRequest(block);
    ParseActiveTestRequest(block);
    ParseDatabaseVersion(block);
    ClassifyCommand(block[2]);
    return 0;
}
