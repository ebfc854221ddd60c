#pragma once
// The frame that carries every request to the vehicle interface device and every reply from it:
//
//   offset  size  content
//   0       1     0xAA
//   1       1     0x55
//   2       1     data length N, high byte
//   3       1     data length N, low byte
//   4       1     complement of byte 2
//   5       1     complement of byte 3
//   6       1     counter: a request's own; in a reply the request's, or 0xFF for any request
//   7       N     data
//   7+N     1     sum of bytes 0 to 6+N, modulo 256
//
// A frame is at most 300 bytes, so it carries at most 292 data bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

inline constexpr uint8_t kLinkFrameStart = 0xAA;
inline constexpr uint8_t kLinkFrameSecond = 0x55;
inline constexpr size_t kLinkLengthHighOffset = 2;
inline constexpr size_t kLinkLengthLowOffset = 3;
inline constexpr size_t kLinkComplementHighOffset = 4;
inline constexpr size_t kLinkComplementLowOffset = 5;
inline constexpr size_t kLinkCounterOffset = 6;
inline constexpr size_t kLinkDataOffset = 7;
inline constexpr size_t kLinkHeaderSize = kLinkDataOffset;
inline constexpr size_t kLinkFrameOverhead = kLinkHeaderSize + 1;  // header and checksum
inline constexpr size_t kLinkFrameMaxSize = 300;
inline constexpr size_t kLinkFrameMaxData = kLinkFrameMaxSize - kLinkFrameOverhead;
inline constexpr uint8_t kLinkAnyCounter = 0xFF;  // a reply with this counter answers any request
static_assert(kLinkFrameMaxData == 292);

// The data of the wait frame: a device that needs longer sends this reply, and the reader restarts
// its time-out and reads on. Reserved by the program and its simulated device: no ordinary reply
// may carry exactly these four bytes.
inline constexpr std::array<uint8_t, 4> kLinkWaitFrameData = {0xFF, 0xFE, 0xFD, 0xFC};

// The 8-bit sum of the bytes.
uint8_t LinkFrameSum(std::span<const uint8_t> bytes);

// The whole frame around `data` with `counter`; empty when the data is longer than kLinkFrameMaxData.
std::vector<uint8_t> BuildLinkFrame(uint8_t counter, std::span<const uint8_t> data);

// True when a checked frame's data is the wait frame.
bool IsLinkWaitFrame(std::span<const uint8_t> data);
