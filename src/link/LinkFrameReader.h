#pragma once
// Reading one reply frame from the vehicle interface device: hunting for the frame start, the
// checks of the header and the checksum, the wait frame, and the time-out. Broken frames are never
// reported: they are skipped and the hunt goes on until the time-out.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "LinkFrame.h"
#include "LinkLibrary.h"

enum class LinkReaderStep {
    kMore,       // nothing complete yet: poll again
    kFrame,      // a checked frame for us: Data() holds its data
    kWaitFrame,  // a checked wait frame: the caller restarts its time-out
    kTooLong,    // a well-formed header announces more data than the room (or than a frame holds)
};

// Why the reader dropped bytes, for tracing and tests. The program itself writes no trace.
enum class LinkReaderNote {
    kUnpairedStart,       // 0xAA not followed by 0x55
    kZeroLength,          // declared length 0
    kBadLengthComplement, // the length's complement does not match
    kForeignCounter,      // a reply to another request
    kBadSum,              // the checksum does not match
    kWaitFrame,           // a wait frame: the time-out starts again
};

using LinkTraceSink = std::function<void(LinkReaderNote)>;
using LinkTickSource = std::function<uint32_t()>;  // milliseconds, wrapping

// The state machine, fed with the outcome of one poll of the device at a time.
class CLinkFrameReader {
public:
    // After 0xAA this many immediate polls may bring the 0x55 before the 0xAA is given up.
    static constexpr int kPairPolls = 20;

    // `counter` is the counter of the request being answered; frames longer than `room` data bytes
    // are refused.
    CLinkFrameReader(uint8_t counter, size_t room, LinkTraceSink trace = {});

    // One poll: a received byte, or nothing.
    LinkReaderStep Offer(std::optional<uint8_t> polled);

    // True while the reader polls for the byte after 0xAA; those polls do not look at the time.
    bool IsPairing() const { return m_state == State::kPairing; }
    // The data of the frame that the last step reported.
    std::span<const uint8_t> Data() const;

private:
    enum class State { kHunting, kPairing, kCollecting };

    LinkReaderStep CheckHeader();
    LinkReaderStep CheckFrame();
    void Drop(LinkReaderNote why);

    uint8_t m_counter;
    size_t m_room;
    LinkTraceSink m_trace;
    State m_state = State::kHunting;
    int m_pairPolls = 0;
    size_t m_length = 0;  // data length of the frame being collected
    size_t m_filled = 0;
    std::array<uint8_t, kLinkFrameMaxSize> m_frame = {};
};

// A wait frame restarts the time-out only while the read has lasted less than this many time-outs,
// so that a device that never stops asking to wait cannot hold the caller for ever.
inline constexpr uint32_t kLinkWaitRestartFactor = 15;

// Polls `object` one byte at a time, without pause, for one frame answering `counter`, and copies
// its data into `buffer` (its size is the room). Returns the data length (at least 1), -12 when the
// frame announces more than the room, -1 when `timeoutMs` passed without a frame (measured from the
// start and from each wait frame; a negative time-out counts as 0).
int ReadLinkFrame(CLinkTransportObject& object, uint8_t counter, std::span<uint8_t> buffer, int32_t timeoutMs,
                  const LinkTickSource& ticks, const LinkTraceSink& trace = {});

inline constexpr int kLinkReadTimedOut = -1;
inline constexpr int kLinkReadTooLong = -12;
