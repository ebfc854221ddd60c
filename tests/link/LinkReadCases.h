#pragma once
// One table of the ways a device can answer the link check (00 06), run twice: against the simulated
// device in-process on a fake clock, and through the real stand-in library and simulator process
// under Wine on the real clock. Each case names the device's misbehaviour, the result the reader
// must give, and the note it must leave when it skips something.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "LinkFrameReader.h"

struct LINK_READ_CASE {
    const char* name;
    const char* fault;  // as the simulator's "fault" option names it
    bool connects;
    int expected;  // LinkReadFrame's result for the reply to 00 06, with room 100
    std::optional<LinkReaderNote> note;
};

// The simulated device's reply to the link check.
inline const std::vector<uint8_t> kLinkCheckReplyData = {0x00, 0x06, 'S', 'I', 'M', '1'};
inline const std::vector<uint8_t> kLinkCheckRequest = {0x00, 0x06};
inline constexpr int kLinkCaseRoom = 100;

// Timings of a run, in milliseconds: the reader's time-out and the device's delays. Late and
// stalled replies come well after the time-out; wait frames come well within it of each other but
// end well after it.
struct LINK_CASE_TIMING {
    int32_t timeoutMs;
    uint32_t lateMs;
    uint32_t waitGapMs;
    uint32_t waitCount;
};

inline std::string LinkCaseControl(const LINK_READ_CASE& c, const LINK_CASE_TIMING& timing)
{
    return std::string("fault ") + c.fault + "\ndelay " + std::to_string(timing.lateMs) + "\nwait-gap " +
           std::to_string(timing.waitGapMs) + "\nwait-count " + std::to_string(timing.waitCount) + "\n";
}

inline const std::vector<LINK_READ_CASE>& LinkReadCases()
{
    using N = LinkReaderNote;
    static const std::vector<LINK_READ_CASE> cases = {
        {"plain_reply", "none", true, 6, std::nullopt},
        {"late_reply", "late", true, -1, std::nullopt},
        {"leading_noise", "noise", true, 6, N::kUnpairedStart},
        {"second_start_byte", "double-start", true, -1, N::kUnpairedStart},
        {"corrupt_header_claiming_huge_length", "bad-complement", true, 6, N::kBadLengthComplement},
        {"bad_checksum", "bad-sum", true, 6, N::kBadSum},
        {"reply_to_another_request", "foreign-counter", true, 6, N::kForeignCounter},
        {"counter_ff_answers_any_request", "counter-ff", true, 6, std::nullopt},
        {"zero_length", "zero-length", true, 6, N::kZeroLength},
        {"longer_than_a_frame", "too-long", true, -12, std::nullopt},
        {"wait_frames_restart_the_time_out", "wait-frames", true, 6, N::kWaitFrame},
        {"frame_still_arriving_at_the_time_out", "stalled", true, -1, std::nullopt},
        {"short_reply", "short", true, 5, std::nullopt},
        {"no_reply", "silent", true, -1, std::nullopt},
        {"no_device", "no-device", false, 0, std::nullopt},
    };
    return cases;
}

inline std::string LinkCaseName(const ::testing::TestParamInfo<LINK_READ_CASE>& info)
{
    return info.param.name;
}

// Checks a run's outcome against the case.
inline void ExpectLinkCaseOutcome(const LINK_READ_CASE& c, int result, const uint8_t* buffer,
                                  const std::vector<LinkReaderNote>& notes)
{
    EXPECT_EQ(result, c.expected);
    if (result > 0 && static_cast<size_t>(result) <= kLinkCheckReplyData.size()) {
        const std::vector<uint8_t> data(buffer, buffer + result);
        EXPECT_EQ(data, std::vector<uint8_t>(kLinkCheckReplyData.begin(), kLinkCheckReplyData.begin() + result));
    }
    if (c.note) {
        EXPECT_NE(std::find(notes.begin(), notes.end(), *c.note), notes.end()) << "the reader never noted the skip";
    }
}
