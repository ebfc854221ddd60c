#include "ExchangeBuffer.h"

#include <algorithm>
#include <cstring>

namespace {

uint8_t* g_exchangeBuffer = nullptr;

}  // namespace

void ResetExchangeBlock(ExchangeBlock block, std::string_view caption)
{
    std::fill(block.begin(), block.begin() + exchange::kMailboxMarker, uint8_t{0});
    // The caption never reaches into the mailbox, and a NUL always follows it.
    const size_t length = std::min(caption.size(), exchange::kMailboxOffset - 1);
    std::memcpy(block.data(), caption.data(), length);
}

uint8_t PostKey(ExchangeBlock block, uint8_t key)
{
    if (block[exchange::kMailboxMarker] != exchange::kMailboxReady) {
        block[exchange::kProducerCount] = block[exchange::kConsumerCount];
        block[exchange::kMailboxKey] = 0;
        block[exchange::kMailboxMarker] = exchange::kMailboxReady;
    }
    if (block[exchange::kProducerCount] != block[exchange::kConsumerCount])
        return 0;
    block[exchange::kMailboxKey] = key;
    // The key is stored before the count moves: the other side reads the key once it sees the count.
    block[exchange::kProducerCount] = static_cast<uint8_t>(block[exchange::kConsumerCount] + 1);
    block[exchange::kMailboxMarker] = exchange::kMailboxReady;
    return key;
}

uint8_t* ExchangeBufferPointer() { return g_exchangeBuffer; }
void SetExchangeBufferPointer(uint8_t* block) { g_exchangeBuffer = block; }
