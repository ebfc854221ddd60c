// The link for real: LinkTransport loading the stand-in "Link.dll" from a prepared program folder,
// the library reaching the simulator process over its pipe, on the real clock. The table of device
// behaviours again, the requests of the diagnostic program's launch, Demo Mode, and where the
// library is loaded from.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "LinkReadCases.h"
#include "LinkProgramFolder.h"
#include "LinkTransport.h"
#include "ProcessValues.h"
#include "SimulatorRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// Short enough to keep the table fast, long enough for a loaded machine to stay well inside the
// margins: late replies come 300 ms after the time-out, wait frames 200 ms apart end 200 ms after it.
constexpr LINK_CASE_TIMING kRealTiming = {400, 700, 200, 3};

std::string Hex(const Bytes& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const uint8_t byte : bytes)
        hex += std::string{kDigits[byte >> 4], kDigits[byte & 0x0F]};
    return hex;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class LinkSimulatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareLinkProgramFolder(program);
        ASSERT_TRUE(simulator.WaitUntilListening());
    }
    void TearDown() override { ResSetRunModeFlag(L"0"); }

    bool IsLibraryInProcess() const { return GetModuleHandleW((program / "Link.dll").c_str()) != nullptr; }

    struct REPLY {
        int result;
        Bytes data;
    };

    // One exchange as the diagnostic program's launch makes it: its own transport, one request, and
    // the reply read with `room` (no read for room 0).
    REPLY Exchange(const Bytes& request, int room)
    {
        LinkTransport link;
        EXPECT_TRUE(link.LinkConnect());
        EXPECT_EQ(link.LinkWriteFrame(request.data(), static_cast<int>(request.size())),
                  static_cast<int>(request.size()));
        REPLY reply{0, Bytes(std::max(room, 1))};
        if (room > 0)
            reply.result = link.LinkReadFrame(reply.data.data(), room);
        reply.data.resize(std::max(reply.result, 0));
        link.LinkDisconnect();
        return reply;
    }

    CTempFolder root;
    fs::path program = root / "Program";
    CSimulatorRun simulator{root / "simulator"};
};

class LinkSimulatorCaseTest : public LinkSimulatorTest, public ::testing::WithParamInterface<LINK_READ_CASE> {};

TEST_P(LinkSimulatorCaseTest, ThroughTheLibraryAndTheSimulator)
{
    const LINK_READ_CASE& c = GetParam();
    simulator.SetControl(LinkCaseControl(c, kRealTiming));
    LinkTransport link;
    ASSERT_TRUE(link.IsLibraryLoaded());
    ASSERT_TRUE(link.HasTransport());
    ASSERT_EQ(link.LinkConnect(), c.connects);
    if (!c.connects) {
        EXPECT_TRUE(simulator.WaitForLogLine("open 1 refused"));
        return;
    }
    link.LinkSetTimeout(kRealTiming.timeoutMs);
    std::vector<LinkReaderNote> notes;
    link.LinkSetTrace([&](LinkReaderNote note) { notes.push_back(note); });
    EXPECT_EQ(link.LinkWriteFrame(kLinkCheckRequest.data(), 2), 2);
    uint8_t reply[kLinkCaseRoom] = {};
    ExpectLinkCaseOutcome(c, link.LinkReadFrame(reply, kLinkCaseRoom), reply, notes);
    link.LinkDisconnect();
    EXPECT_TRUE(simulator.WaitForLogLine("close"));
    const auto log = simulator.LogLines();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "open 1");
    EXPECT_EQ(log[1], "frame 01 0006");
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkSimulatorCaseTest, ::testing::ValuesIn(LinkReadCases()), LinkCaseName);

TEST_F(LinkSimulatorTest, AnswersTheLaunchsVersionCheckProgramDownloadAndMakerGroup)
{
    // The program file the launch loads into the interface, with its id at 1024.
    Bytes image(3328 + 100);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 13 + 1);
    image[1024] = 0x0D, image[1025] = 0x0C, image[1026] = 0x0B, image[1027] = 0x0A;

    // Version word, then the reset of page 0, which is not answered.
    const REPLY version = Exchange({0x00, 0x01}, 100);
    ASSERT_EQ(version.result, 15);
    EXPECT_EQ(version.data[1] << 8 | version.data[2], 0x8103);
    Exchange({0x00, 0xFE, 0x00}, 0);
    EXPECT_EQ(Exchange({0x00, 0x02, 0xFF}, 200).data, Bytes{0x00});

    {
        // The download: one transport for the whole file, chunks of 256 with page 8.
        LinkTransport link;
        ASSERT_TRUE(link.LinkConnect());
        for (uint32_t offset = 0; offset < image.size(); offset += 256) {
            const auto length = static_cast<uint16_t>(std::min<size_t>(256, image.size() - offset));
            Bytes chunk = {0x00, 0x08, 0x08, static_cast<uint8_t>(offset >> 24), static_cast<uint8_t>(offset >> 16),
                           static_cast<uint8_t>(offset >> 8), static_cast<uint8_t>(offset),
                           static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length)};
            chunk.insert(chunk.end(), image.begin() + offset, image.begin() + offset + length);
            ASSERT_EQ(link.LinkWriteFrame(chunk.data(), static_cast<int>(chunk.size())),
                      static_cast<int>(chunk.size()));
            uint8_t reply[1024];
            ASSERT_GE(link.LinkReadFrame(reply, sizeof(reply)), 3) << "chunk at " << offset;
        }
        link.LinkDisconnect();
    }
    EXPECT_EQ(Exchange({0x00, 0x02, 0xFF}, 200).data, (Bytes{0x01, 0x08, 0x0D, 0x0C, 0x0B, 0x0A}));
    EXPECT_EQ(Exchange({0x00, 0xFE, 0x08}, 1).result, 1);
    EXPECT_EQ(Exchange({0x05, 0x01, 0x00, 0x03}, 1).result, 1);

    EXPECT_EQ(simulator.Image(), std::string(image.begin(), image.end()));
    EXPECT_TRUE(simulator.WaitForLogLine("group 3"));
    const auto log = simulator.LogLines();
    EXPECT_EQ(log.front(), "open 1");
    EXPECT_EQ(std::count(log.begin(), log.end(), "open 1"), 1);
    EXPECT_TRUE(Contains(log, "frame 01 00FE00"));
    const Bytes lastChunk(image.begin() + 3328, image.end());
    EXPECT_TRUE(Contains(log, "frame 0E 00080800000D000064" + Hex(lastChunk)))
        << "the last, short chunk carries its own length";
}

TEST_F(LinkSimulatorTest, DemoModeNeverLoadsTheLibrary)
{
    ResSetRunModeFlag(L"1");
    {
        LinkTransport link;
        EXPECT_FALSE(link.IsLibraryLoaded());
        EXPECT_FALSE(IsLibraryInProcess());
        EXPECT_TRUE(link.LinkConnect());
        const uint8_t request[] = {0x00, 0x06};
        EXPECT_EQ(link.LinkWriteFrame(request, 2), 2);
        uint8_t reply[100];
        EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), -1);
        link.LinkDisconnect();
    }
    // The first exchange the simulator ever sees comes after Demo Mode ended.
    ResSetRunModeFlag(L"0");
    EXPECT_EQ(Exchange({0x00, 0x06}, 100).result, 6);
    const auto log = simulator.LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "open 1");
}

TEST_F(LinkSimulatorTest, LoadsTheLibraryFromTheProgramFolderForOneExchange)
{
    {
        LinkTransport link;
        EXPECT_TRUE(link.IsLibraryLoaded());
        EXPECT_TRUE(IsLibraryInProcess());
    }
    EXPECT_FALSE(IsLibraryInProcess()) << "unloaded with the transport";

    fs::remove(program / "Link.dll");
    LinkTransport link;
    EXPECT_FALSE(link.IsLibraryLoaded()) << "the library beside the test program is not the program's";
    EXPECT_FALSE(link.LinkConnect());
}

TEST_F(LinkSimulatorTest, DeviceStateOutlivesEachLoadOfTheLibrary)
{
    EXPECT_EQ(Exchange({0x05, 0x01, 0x00, 0x06}, 1).result, 1);
    EXPECT_EQ(Exchange({0x05, 0x01, 0x00, 0x01}, 1).result, 1);
    EXPECT_TRUE(simulator.WaitForLogLine("group 1"));
    const auto log = simulator.LogLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), "open 0"), 1);
    EXPECT_TRUE(Contains(log, "group 6"));
}

TEST_F(LinkSimulatorTest, AReplyLeftUnreadDoesNotAnswerTheNextExchange)
{
    // Both exchanges carry counter 1; the second request is one the device does not answer.
    Exchange({0x00, 0x06}, 0);
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    link.LinkSetTimeout(300);
    const uint8_t reset[] = {0x00, 0xFE, 0x00};
    link.LinkWriteFrame(reset, 3);
    uint8_t reply[100];
    EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), -1);
    link.LinkDisconnect();
}

TEST_F(LinkSimulatorTest, PulsesCtsThroughTheLibrary)
{
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    EXPECT_EQ(link.LinkPulseCts(), 0);
    EXPECT_EQ(link.LinkReset(), 0);
    link.LinkDisconnect();
    EXPECT_TRUE(simulator.WaitForLogLine("close"));
    const auto log = simulator.LogLines();
    EXPECT_EQ(log, (std::vector<std::string>{"open 1", "raw 2A2A2A4354535F4C4F572A2A2A00",
                                             "raw 2A2A2A4354535F484947482A2A2A00", "reset", "close"}));
}

}  // namespace
