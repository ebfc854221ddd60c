#pragma once
// The block of memory shared with the diagnostic program: 65536 bytes; request and answer frames
// from offset 0, and the key mailbox in the last four bytes. Every access goes through the byte
// span of the whole block, so nothing reads or writes past its end.
#include <cstdint>
#include <span>
#include <string_view>

namespace exchange {
constexpr size_t kBlockSize = 0x10000;
constexpr size_t kMailboxOffset = 0xFFFC;  // the frame area ends here
constexpr size_t kProducerCount = 0xFFFC;
constexpr size_t kConsumerCount = 0xFFFD;
constexpr size_t kMailboxKey = 0xFFFE;
constexpr size_t kMailboxMarker = 0xFFFF;
constexpr uint8_t kMailboxReady = 0x55;
}  // namespace exchange

using ExchangeBlock = std::span<uint8_t, exchange::kBlockSize>;

// Clears bytes 0 to 0xFFFE (the mailbox marker keeps its value, the mailbox is empty afterwards)
// and writes the caption at offset 0, NUL-terminated.
void ResetExchangeBlock(ExchangeBlock block, std::string_view caption);

// Posts a key through the mailbox: the key code when posted, 0 when the previous key has not been
// taken yet.
uint8_t PostKey(ExchangeBlock block, uint8_t key);

// The process-wide pointer to the block, set by the main frame for every request; null before the
// block exists.
uint8_t* ExchangeBufferPointer();
void SetExchangeBufferPointer(uint8_t* block);
