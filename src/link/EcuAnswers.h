#pragma once
// Decoding the vehicle interface's answers to the control-unit commands, and the rate encoding the
// commands send. Answer: byte 0 not interpreted, byte 1 the status or a count, payload from byte 2.
// Every count is clamped to what the answer holds: an entry that runs past the end ends decoding.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "ByteString.h"

using EcuFrameList = std::vector<ByteString>;
using EcuAnswerLists = std::vector<EcuFrameList>;

enum class EcuListLayout {
    kShort,           // count, then [length][bytes]; a zero length ends the list
    kShortFirstStop,  // as kShort, but a zero length ends the list only when the count is 1
    kLong,            // as kShortFirstStop; a length 0xFF is followed by the length in two bytes
};

// One list answer: at most one list, none when it has no entries.
EcuAnswerLists DecodeListAnswer(std::span<const uint8_t> answer, EcuListLayout layout);
// Byte 1 the group count, then per group [count][entries in the long form]; a zero length ends
// its group. One list per group with entries.
EcuAnswerLists DecodeGroupedLongAnswer(std::span<const uint8_t> answer);

// What a command collected in a batch expects of the shared answer.
struct BatchRecord {
    int32_t replyKind;   // 1: one status byte; 2: lists of received frames
    int32_t longLength;  // non-zero: grouped long lists
};
constexpr int32_t kBatchStatusReply = 1;
constexpr int32_t kBatchListReply = 2;

// Walks the answer to a batch, one part per record, from byte 1. A non-zero status ends the walk.
// A result of one list holding only one empty entry is emptied.
EcuAnswerLists WalkBatchAnswer(std::span<const uint8_t> answer, const std::vector<BatchRecord>& records);

// A serial rate as a 16-bit mantissa (high byte first) and a signed power of ten. A rate that is
// not a positive finite number encodes as 00 00 00.
std::array<uint8_t, 3> EncodeRate(float rate);
