// The simulated vehicle interface: what it answers to each request the program sends, what it keeps
// between exchanges, what it logs, and its options.
#include <gtest/gtest.h>

#include <optional>

#include "LinkFrame.h"
#include "SimulatedDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The data of the single frame the device sends back, or nothing when it sends nothing.
std::optional<Bytes> ReplyData(CSimulatedDevice& device, uint8_t counter, const Bytes& request)
{
    const auto sent = device.Receive(CSimulatedDevice::MakeFrame(counter, request));
    if (sent.empty())
        return std::nullopt;
    EXPECT_EQ(sent.size(), 1u);
    const Bytes& frame = sent.front().bytes;
    EXPECT_EQ(frame.at(kLinkCounterOffset), counter);
    return Bytes(frame.begin() + kLinkDataOffset, frame.end() - 1);
}

Bytes Chunk(uint8_t page, uint32_t offset, const Bytes& data, int lengthAdjust = 0)
{
    const auto length = static_cast<uint16_t>(data.size() + lengthAdjust);
    Bytes request = {0x00, 0x08, page, static_cast<uint8_t>(offset >> 24), static_cast<uint8_t>(offset >> 16),
                     static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset), static_cast<uint8_t>(length >> 8),
                     static_cast<uint8_t>(length)};
    request.insert(request.end(), data.begin(), data.end());
    return request;
}

struct RequestCase {
    const char* name;
    Bytes request;
    std::optional<Bytes> reply;
};

class SimulatedDeviceRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(SimulatedDeviceRequestTest, AnswersAsTheProgramExpects)
{
    CSimulatedDevice device;
    EXPECT_EQ(ReplyData(device, 3, GetParam().request), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimulatedDeviceRequestTest, ::testing::Values(
    RequestCase{"reset_of_page_0_is_not_answered", {0x00, 0xFE, 0x00}, std::nullopt},
    RequestCase{"reset_of_a_program_page", {0x00, 0xFE, 0x08}, Bytes{0x00}},
    RequestCase{"link_check", {0x00, 0x06}, Bytes{0x00, 0x06, 'S', 'I', 'M', '1'}},
    RequestCase{"version", {0x00, 0x01},
                Bytes{0x00, 0x81, 0x03, 0x03, 0x12, 'N', 'H', '2', '0', '2', '4', '0', '0', '1', '7'}},
    RequestCase{"program_query_of_an_empty_device", {0x00, 0x02, 0xFF}, Bytes{0x00}},
    RequestCase{"maker_group", {0x05, 0x01, 0x00, 0x06}, Bytes{0x00}},
    RequestCase{"command_message", {0x01, 0x02, 0x03}, Bytes{0x00, 0x00}},
    RequestCase{"pin_status", {0x02, 0x06, 0x01, 0x0F}, Bytes{0x00, 0x00, 0x01}},
    RequestCase{"frames_answered_piece_by_piece", {0x02, 0x08, 0x00, 0x02, 0x02, 0x10, 0x01, 0x05, 0x01, 0x3E, 0x05},
                Bytes{0x00, 0x01, 0x02, 0x02, 0x50, 0x01, 0x01, 0x7E}},
    RequestCase{"frames_with_a_piece_past_the_end", {0x02, 0x08, 0x00, 0x02, 0x09, 0x10}, Bytes{0x00, 0x01, 0x00}},
    RequestCase{"chunk", Chunk(8, 0, {0xAA, 0xBB}), Bytes{0x00, 0x08, 0x08}},
    RequestCase{"chunk_with_a_wrong_length", Chunk(8, 0, {0xAA, 0xBB}, 1), Bytes{0xFF}},
    RequestCase{"chunk_beyond_any_image", Chunk(8, 1 << 20, {0xAA}), Bytes{0xFF}},
    RequestCase{"short_form_chunk", {0x00, 0x05, 0x08, 0x00, 0x00, 0x00, 0x01, 0x42}, Bytes{0x00, 0x08, 0x08}},
    RequestCase{"unknown_request", {0x07, 0x07}, std::nullopt}),
    [](const ::testing::TestParamInfo<RequestCase>& param) { return std::string(param.param.name); });

TEST(SimulatedDeviceTest, KeepsADownloadedProgramAndReportsItsId)
{
    CSimulatedDevice device;
    Bytes image(3328);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 7);
    image[1024] = 0x78, image[1025] = 0x56, image[1026] = 0x34, image[1027] = 0x12;
    for (uint32_t offset = 0; offset < image.size(); offset += 256)
        ASSERT_EQ(ReplyData(device, 1, Chunk(8, offset, Bytes(image.begin() + offset, image.begin() + offset + 256))),
                  (Bytes{0x00, 0x08, 0x08}));
    EXPECT_EQ(device.Image(8), image);
    EXPECT_EQ(device.LastLoadedPage(), 8);
    EXPECT_EQ(ReplyData(device, 2, {0x00, 0x02, 0xFF}), (Bytes{0x01, 0x08, 0x78, 0x56, 0x34, 0x12}));

    // A new download replaces the old image from its first chunk on.
    ReplyData(device, 3, Chunk(8, 0, {0x01, 0x02}));
    EXPECT_EQ(device.Image(8), (Bytes{0x01, 0x02}));
    EXPECT_EQ(ReplyData(device, 4, {0x00, 0x02, 0xFF}), (Bytes{0x00}));
}

TEST(SimulatedDeviceTest, ReportsProgramsItHoldsFromTheStart)
{
    CSimulatedDevice device;
    ASSERT_TRUE(ApplySimulatorOption(device.Settings(), "program", "9:0x1234"));
    ASSERT_TRUE(ApplySimulatorOption(device.Settings(), "program", "3:7"));
    EXPECT_EQ(ReplyData(device, 1, {0x00, 0x02, 0xFF}),
              (Bytes{0x02, 0x03, 0x07, 0x00, 0x00, 0x00, 0x09, 0x34, 0x12, 0x00, 0x00}));
}

TEST(SimulatedDeviceTest, LogsOpensFramesAndUnframedBytes)
{
    std::vector<std::string> log;
    CSimulatedDevice device([&](const std::string& line) { log.push_back(line); });
    EXPECT_TRUE(device.Open(1));
    const Bytes cts(std::begin("***CTS_LOW***"), std::end("***CTS_LOW***"));
    device.Receive(cts);
    device.Receive(CSimulatedDevice::MakeFrame(1, Bytes{0x00, 0xFE, 0x00}));
    Bytes broken = CSimulatedDevice::MakeFrame(2, Bytes{0x00, 0x06});
    broken.back() ^= 0x01;
    device.Receive(broken);
    device.Receive(CSimulatedDevice::MakeFrame(3, Bytes{0x05, 0x01, 0x00, 0x03}));
    device.Reset();
    device.Close();
    EXPECT_EQ(log, (std::vector<std::string>{"open 1", "raw 2A2A2A4354535F4C4F572A2A2A00", "frame 01 00FE00",
                                             "bad-frame " + HexText(broken), "frame 03 05010003", "group 3",
                                             "send +0 AA550001FFFE030000", "reset", "close"}));
    EXPECT_EQ(device.MakerGroup(), 3);
}

TEST(SimulatedDeviceTest, WithNoDeviceOpenFailsAndNothingIsAnswered)
{
    std::vector<std::string> log;
    CSimulatedDevice device([&](const std::string& line) { log.push_back(line); });
    device.Settings().fault = LinkFault::kNoDevice;
    EXPECT_FALSE(device.Open(0));
    EXPECT_TRUE(device.Receive(CSimulatedDevice::MakeFrame(1, Bytes{0x00, 0x06})).empty());
    EXPECT_EQ(log.front(), "open 0 refused");
}

TEST(SimulatedDeviceTest, SendsWaitFramesApartThenTheReply)
{
    CSimulatedDevice device;
    ASSERT_TRUE(ApplySimulatorControl(device.Settings(), "fault wait-frames\nwait-gap 200\nwait-count 3\n"));
    const auto sent = device.Receive(CSimulatedDevice::MakeFrame(4, Bytes{0x00, 0x06}));
    ASSERT_EQ(sent.size(), 4u);
    const Bytes wait = CSimulatedDevice::MakeFrame(4, Bytes(kLinkWaitFrameData.begin(), kLinkWaitFrameData.end()));
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(sent[i].delayMs, i * 200);
        EXPECT_EQ(sent[i].bytes, wait);
    }
    EXPECT_EQ(sent[3].delayMs, 600u);
}

struct OptionCase {
    const char* name;
    const char* value;
    bool accepted;
};

class SimulatorOptionTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SimulatorOptionTest, AcceptsOnlyKnownOptionsWithGoodValues)
{
    SIMULATOR_SETTINGS settings;
    EXPECT_EQ(ApplySimulatorOption(settings, GetParam().name, GetParam().value), GetParam().accepted)
        << GetParam().name << " " << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, SimulatorOptionTest, ::testing::Values(
    OptionCase{"fault", "bad-sum", true}, OptionCase{"fault", "everything", false}, OptionCase{"delay", "300", true},
    OptionCase{"delay", "-3", false}, OptionCase{"delay", "3x", false}, OptionCase{"version", "0x8001", true},
    OptionCase{"version", "0x18001", false}, OptionCase{"hardware", "0x0A01", true},
    OptionCase{"serial", "ABCDEFGHIJKLMN", true}, OptionCase{"program", "8:0x01020304", true},
    OptionCase{"program", "8", false}, OptionCase{"program", "300:1", false}, OptionCase{"colour", "red", false}));

TEST(SimulatorControlTest, ReadsLinesAndNamesTheFirstBadOne)
{
    SIMULATOR_SETTINGS settings;
    std::string error;
    EXPECT_TRUE(ApplySimulatorControl(settings, "# device\r\n\r\nfault late\r\n  delay 700\n", &error));
    EXPECT_EQ(settings.fault, LinkFault::kLate);
    EXPECT_EQ(settings.delayMs, 700u);
    EXPECT_FALSE(ApplySimulatorControl(settings, "serial X\nwait-gap soon\nfault none\n", &error));
    EXPECT_EQ(error, "wait-gap soon");
    EXPECT_EQ(settings.serialNumber, "X");
}

TEST(SimulatedDeviceCommandTest, CommandStatusAnswersEveryCommand)
{
    CSimulatedDevice device;
    ASSERT_TRUE(ApplySimulatorControl(device.Settings(), "command-status -3\npin-level 0\n"));
    EXPECT_EQ(ReplyData(device, 3, {0x02, 0x04, 0x33}), (Bytes{0x00, 0xFD}));
    EXPECT_EQ(ReplyData(device, 4, {0x01, 0x03}), (Bytes{0x00, 0xFD}));
    ASSERT_TRUE(ApplySimulatorControl(device.Settings(), "command-status 0\n"));
    EXPECT_EQ(ReplyData(device, 5, {0x02, 0x06, 0x00, 0x02}), (Bytes{0x00, 0x00, 0x00}));
}

}  // namespace
