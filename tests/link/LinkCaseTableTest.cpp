// The table of device behaviours against the simulated device in-process, on the fake clock: the
// same device the simulator process serves, without the library, the pipe or real time.
#include <gtest/gtest.h>

#include "FakeLinkObject.h"
#include "LinkFrame.h"
#include "LinkReadCases.h"
#include "SimulatedDevice.h"

namespace {

// The program's own time-out; the device's delays well beyond it, or gaps well within it.
constexpr LINK_CASE_TIMING kFakeTiming = {2000, 2500, 1500, 2};

class LinkCaseTableTest : public ::testing::TestWithParam<LINK_READ_CASE> {};

TEST_P(LinkCaseTableTest, ThroughTheSimulatedDevice)
{
    const LINK_READ_CASE& c = GetParam();
    std::vector<std::string> log;
    CSimulatedDevice device([&](const std::string& line) { log.push_back(line); });
    ASSERT_TRUE(ApplySimulatorControl(device.Settings(), LinkCaseControl(c, kFakeTiming)));
    CFakeLinkObject object;
    object.Attach(&device);

    const bool connected = object.Open(1) != 0;
    ASSERT_EQ(connected, c.connects);
    if (!connected)
        return;
    const uint8_t counter = 1;
    const auto frame = BuildLinkFrame(counter, kLinkCheckRequest);
    object.Write(frame.data(), static_cast<int32_t>(frame.size()));
    uint8_t buffer[kLinkCaseRoom] = {};
    std::vector<LinkReaderNote> notes;
    const int result = ReadLinkFrame(object, counter, buffer, kFakeTiming.timeoutMs, object.Ticks(),
                                     [&](LinkReaderNote note) { notes.push_back(note); });
    ExpectLinkCaseOutcome(c, result, buffer, notes);
    EXPECT_EQ(log.at(1), "frame 01 0006");
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkCaseTableTest, ::testing::ValuesIn(LinkReadCases()), LinkCaseName);

}  // namespace
