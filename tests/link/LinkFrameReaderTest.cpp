// The reader's state machine and time-out, against scripted bytes on a fake clock.
#include <gtest/gtest.h>

#include <optional>

#include "FakeLinkObject.h"
#include "LinkFrame.h"
#include "LinkFrameReader.h"
#include "SimulatedDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;
using N = LinkReaderNote;

Bytes Frame(uint8_t counter, const Bytes& data)
{
    return CSimulatedDevice::MakeFrame(counter, data);
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Counting(size_t size)
{
    Bytes data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<uint8_t>(i + 1);
    return data;
}

Bytes WithByte(Bytes bytes, size_t offset, uint8_t value)
{
    bytes[offset] = value;
    return bytes;
}

const Bytes kData = {0x10, 0x20, 0x30};
const Bytes kWait(kLinkWaitFrameData.begin(), kLinkWaitFrameData.end());
constexpr uint8_t kCounter = 5;
const Bytes kFrame = Frame(kCounter, kData);

struct ARRIVAL {
    uint32_t atMs;
    Bytes bytes;
};

struct ReaderCase {
    const char* name;
    std::vector<ARRIVAL> script;
    int expected;
    Bytes expectedData = {};
    std::optional<N> note = std::nullopt;
    size_t room = 100;
    int32_t timeoutMs = 2000;
    uint32_t startTick = 1000;
    uint32_t maxElapsedMs = 0;  // when non-zero: the read lasts no longer on the fake clock
};

class LinkFrameReaderTest : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(LinkFrameReaderTest, GivesTheFrameForUsOrTheFailure)
{
    const ReaderCase& c = GetParam();
    CFakeLinkObject device(c.startTick);
    for (const ARRIVAL& arrival : c.script)
        device.Schedule(arrival.atMs, arrival.bytes);
    Bytes buffer(c.room + 16, 0xEE);
    std::vector<N> notes;
    const int result = ReadLinkFrame(device, kCounter, std::span(buffer).first(c.room), c.timeoutMs, device.Ticks(),
                                     [&](N note) { notes.push_back(note); });
    EXPECT_EQ(result, c.expected);
    if (result > 0) {
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + result), c.expectedData);
    }
    // Nothing is copied on failure, and never past the reply.
    const auto untouched = buffer.begin() + std::max(result, 0);
    EXPECT_TRUE(std::all_of(untouched, buffer.end(), [](uint8_t b) { return b == 0xEE; }));
    if (c.note) {
        EXPECT_NE(std::find(notes.begin(), notes.end(), *c.note), notes.end());
    }
    if (c.maxElapsedMs) {
        EXPECT_LE(device.Now() - c.startTick, c.maxElapsedMs);
    }
}

const Bytes kHuge = Counting(293);

INSTANTIATE_TEST_SUITE_P(Cases, LinkFrameReaderTest, ::testing::Values(
    ReaderCase{"plain", {{0, Frame(kCounter, kData)}}, 3, kData},
    ReaderCase{"counter_ff", {{0, Frame(0xFF, kData)}}, 3, kData},
    ReaderCase{"earlier_request_only", {{0, Frame(kCounter - 1, kData)}}, -1, {}, N::kForeignCounter},
    ReaderCase{"earlier_request_then_ours", {{0, Join({Frame(kCounter - 1, {0x99}), Frame(kCounter, kData)})}}, 3,
               kData, N::kForeignCounter},
    ReaderCase{"noise_before", {{0, Join({{0x00, 0xAA, 0x12}, Frame(kCounter, kData)})}}, 3, kData,
               N::kUnpairedStart},
    ReaderCase{"aa_aa_55_starts_nothing", {{0, Join({{0xAA}, Frame(kCounter, kData)})}}, -1, {}, N::kUnpairedStart},
    ReaderCase{"zero_length_only", {{0, Frame(kCounter, {})}}, -1, {}, N::kZeroLength},
    ReaderCase{"zero_length_then_reply", {{0, Join({Frame(kCounter, {}), Frame(kCounter, kData)})}}, 3, kData,
               N::kZeroLength},
    ReaderCase{"exactly_the_room", {{0, Frame(kCounter, Counting(100))}}, 100, Counting(100)},
    ReaderCase{"one_more_than_the_room", {{0, Frame(kCounter, Counting(101))}}, -12},
    ReaderCase{"room_of_one", {{0, Frame(kCounter, {0x00})}}, 1, {0x00}, std::nullopt, 1},
    ReaderCase{"two_bytes_for_a_room_of_one", {{0, Frame(kCounter, {0x00, 0x01})}}, -12, {}, std::nullopt, 1},
    ReaderCase{"largest_frame", {{0, Frame(kCounter, Counting(292))}}, 292, Counting(292), std::nullopt, 1024},
    ReaderCase{"larger_than_a_frame", {{0, Frame(kCounter, kHuge)}}, -12, {}, std::nullopt, 1024},
    // A header whose complement does not match is broken, whatever length it claims.
    ReaderCase{"corrupt_header_claiming_huge_length", {{0, WithByte(Frame(kCounter, kData), 2, 0x7F)}}, -1, {},
               N::kBadLengthComplement},
    ReaderCase{"corrupt_low_complement_then_reply",
               {{0, Join({WithByte(Frame(kCounter, kData), 5, 0x00), Frame(kCounter, kData)})}}, 3, kData,
               N::kBadLengthComplement},
    ReaderCase{"bad_sum_only", {{0, WithByte(Frame(kCounter, kData), 10, 0x00)}}, -1, {}, N::kBadSum},
    ReaderCase{"ordinary_four_byte_reply", {{0, Frame(kCounter, {0x00, 0x06, 0x01, 0x02})}}, 4,
               {0x00, 0x06, 0x01, 0x02}},
    ReaderCase{"wait_frames_restart_the_time_out",
               {{0, Frame(kCounter, kWait)}, {1500, Frame(kCounter, kWait)}, {3000, Frame(0xFF, kWait)},
                {4500, Frame(kCounter, kData)}},
               3, kData, N::kWaitFrame},
    ReaderCase{"reply_after_the_time_out", {{2500, Frame(kCounter, kData)}}, -1, {}, std::nullopt, 100, 2000, 1000,
               2100},
    ReaderCase{"reply_just_within_the_time_out", {{1990, Frame(kCounter, kData)}}, 3, kData},
    ReaderCase{"wait_frame_for_another_request_does_not_restart",
               {{1500, Frame(kCounter - 1, kWait)}, {3000, Frame(kCounter, kData)}}, -1, {}, N::kForeignCounter},
    ReaderCase{"frame_still_arriving_at_the_time_out",
               {{0, Bytes(kFrame.begin(), kFrame.begin() + 7)}, {2500, Bytes(kFrame.begin() + 7, kFrame.end())}},
               -1},
    ReaderCase{"zero_time_out_ends_after_the_first_poll", {{0, Frame(kCounter, kData)}}, -1, {}, std::nullopt, 100, 0},
    ReaderCase{"negative_time_out_counts_as_zero", {{0, Frame(kCounter, kData)}}, -1, {}, std::nullopt, 100, -5},
    ReaderCase{"tick_counter_wraps_during_the_read", {{300, Frame(kCounter, kData)}}, 3, kData, std::nullopt, 100,
               2000, 0xFFFFFF00},
    ReaderCase{"time_out_across_the_wrap", {{2500, Frame(kCounter, kData)}}, -1, {}, std::nullopt, 100, 2000,
               0xFFFFFF00, 2100}),
    [](const ::testing::TestParamInfo<ReaderCase>& param) { return std::string(param.param.name); });

TEST(LinkFrameReaderBoundTest, ADeviceThatNeverStopsAskingToWaitCannotHoldTheReadForEver)
{
    CFakeLinkObject device;
    for (uint32_t at = 0; at < 200000; at += 1000)
        device.Schedule(at, Frame(kCounter, kWait));
    uint8_t buffer[100];
    const int32_t timeout = 2000;
    EXPECT_EQ(ReadLinkFrame(device, kCounter, buffer, timeout, device.Ticks()), -1);
    EXPECT_GE(device.Now(), kLinkWaitRestartFactor * timeout);
    EXPECT_LE(device.Now(), (kLinkWaitRestartFactor + 1) * timeout + 1);
}

// After 0xAA the reader polls at most 20 times for the 0x55, without looking at the time.
struct PairCase {
    int emptyPolls;
    bool paired;
};

class LinkPairingTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(LinkPairingTest, GivesTheSecondByteTwentyPolls)
{
    CLinkFrameReader reader(kCounter, 100);
    EXPECT_EQ(reader.Offer(0xAA), LinkReaderStep::kMore);
    for (int i = 0; i < GetParam().emptyPolls; ++i) {
        EXPECT_TRUE(reader.IsPairing());
        reader.Offer(std::nullopt);
    }
    reader.Offer(0x55);
    for (const uint8_t byte : Bytes(kFrame.begin() + 2, kFrame.end() - 1))
        reader.Offer(byte);
    EXPECT_EQ(reader.Offer(kFrame.back()),
              GetParam().paired ? LinkReaderStep::kFrame : LinkReaderStep::kMore);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkPairingTest, ::testing::Values(
    PairCase{0, true}, PairCase{19, true}, PairCase{20, false}));

TEST(LinkFrameReaderStepTest, AWaitFrameIsReportedAndTheHuntGoesOn)
{
    CLinkFrameReader reader(kCounter, 100);
    LinkReaderStep last = LinkReaderStep::kMore;
    for (const uint8_t byte : Join({Frame(kCounter, kWait), Frame(kCounter, kData)})) {
        last = reader.Offer(byte);
        if (last == LinkReaderStep::kWaitFrame) {
            EXPECT_TRUE(IsLinkWaitFrame(reader.Data()));
        }
    }
    EXPECT_EQ(last, LinkReaderStep::kFrame);
    EXPECT_EQ(Bytes(reader.Data().begin(), reader.Data().end()), kData);
}

}  // namespace
