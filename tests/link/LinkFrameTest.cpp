// The frame writer: layout, counter, checksum, the largest frame, and the reserved wait frame.
#include <gtest/gtest.h>

#include <numeric>

#include "LinkFrame.h"
#include "SimulatedDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(LinkFrameTest, TheResetRequestAsFirstFrameOfATransport)
{
    const Bytes data = {0x00, 0xFE, 0x00};
    EXPECT_EQ(BuildLinkFrame(1, data), (Bytes{0xAA, 0x55, 0x00, 0x03, 0xFF, 0xFC, 0x01, 0x00, 0xFE, 0x00, 0xFC}));
}

struct FrameCase {
    const char* name;
    size_t length;  // data bytes
    uint8_t counter;
};

class LinkFrameLayoutTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(LinkFrameLayoutTest, HoldsLengthComplementCounterDataAndSum)
{
    Bytes data(GetParam().length);
    std::iota(data.begin(), data.end(), uint8_t{0x30});
    const Bytes frame = BuildLinkFrame(GetParam().counter, data);
    ASSERT_EQ(frame.size(), data.size() + 8);
    EXPECT_EQ(frame[0], 0xAA);
    EXPECT_EQ(frame[1], 0x55);
    EXPECT_EQ(frame[2] << 8 | frame[3], static_cast<int>(data.size()));
    EXPECT_EQ(frame[4], static_cast<uint8_t>(~frame[2]));
    EXPECT_EQ(frame[5], static_cast<uint8_t>(~frame[3]));
    EXPECT_EQ(frame[6], GetParam().counter);
    EXPECT_EQ(Bytes(frame.begin() + 7, frame.end() - 1), data);
    EXPECT_EQ(frame.back(), static_cast<uint8_t>(std::accumulate(frame.begin(), frame.end() - 1, 0u)));
    // The simulated device builds its replies on its own; both must agree.
    EXPECT_EQ(CSimulatedDevice::MakeFrame(GetParam().counter, data), frame);
}

// The lengths the program sends (3, 2, 4, a download chunk of 9 + 256), the largest frame, and a
// length whose high byte is used.
INSTANTIATE_TEST_SUITE_P(Cases, LinkFrameLayoutTest, ::testing::Values(
    FrameCase{"reset", 3, 1}, FrameCase{"link_check", 2, 2}, FrameCase{"maker_group", 4, 0xFF},
    FrameCase{"download_chunk", 265, 0}, FrameCase{"largest", 292, 0x80}, FrameCase{"empty", 0, 7}),
    [](const ::testing::TestParamInfo<FrameCase>& param) { return std::string(param.param.name); });

TEST(LinkFrameTest, RefusesMoreDataThanAFrameHolds)
{
    EXPECT_TRUE(BuildLinkFrame(1, Bytes(293)).empty());
    EXPECT_TRUE(BuildLinkFrame(1, Bytes(65536)).empty());
    EXPECT_EQ(BuildLinkFrame(1, Bytes(292)).size(), kLinkFrameMaxSize);
}

struct WaitCase {
    Bytes data;
    bool isWait;
};

class LinkWaitFrameTest : public ::testing::TestWithParam<WaitCase> {};

TEST_P(LinkWaitFrameTest, OnlyTheReservedPatternIsAWaitFrame)
{
    EXPECT_EQ(IsLinkWaitFrame(GetParam().data), GetParam().isWait);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkWaitFrameTest, ::testing::Values(
    WaitCase{{0xFF, 0xFE, 0xFD, 0xFC}, true},
    WaitCase{{0x00, 0x06, 0x01, 0x02}, false},        // an ordinary reply of four bytes
    WaitCase{{0xFF, 0xFE, 0xFD}, false},
    WaitCase{{0xFF, 0xFE, 0xFD, 0xFC, 0x00}, false},
    WaitCase{{}, false}));

}  // namespace
