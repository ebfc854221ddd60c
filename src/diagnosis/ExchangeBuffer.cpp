#include "ExchangeBuffer.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

uint8_t* g_exchangeBuffer = nullptr;

// The mailbox bytes are read by the diagnostic program while the shell writes them, outside the
// turn token: each byte is one atomic access, so the order of the stores below is one the compiler
// and the processor keep, and the layout stays one plain byte per field.
using MailboxByte = std::atomic_ref<uint8_t>;
static_assert(MailboxByte::is_always_lock_free, "a byte shared with another process needs no lock");

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
    MailboxByte producer(block[exchange::kProducerCount]);
    MailboxByte consumer(block[exchange::kConsumerCount]);
    MailboxByte stored(block[exchange::kMailboxKey]);
    MailboxByte marker(block[exchange::kMailboxMarker]);
    // Acquire: once the other side's count says the last key was taken, its read of that key is
    // over before the new key overwrites it.
    const uint8_t taken = consumer.load(std::memory_order_acquire);
    if (marker.load(std::memory_order_relaxed) != exchange::kMailboxReady) {
        producer.store(taken, std::memory_order_relaxed);
        stored.store(0, std::memory_order_relaxed);
        marker.store(exchange::kMailboxReady, std::memory_order_release);
    }
    if (producer.load(std::memory_order_relaxed) != taken)
        return 0;
    stored.store(key, std::memory_order_relaxed);
    // Release: the other side that sees the count moved also sees the key stored before it.
    producer.store(static_cast<uint8_t>(taken + 1), std::memory_order_release);
    marker.store(exchange::kMailboxReady, std::memory_order_relaxed);
    return key;
}

uint8_t* ExchangeBufferPointer() { return g_exchangeBuffer; }
void SetExchangeBufferPointer(uint8_t* block) { g_exchangeBuffer = block; }
