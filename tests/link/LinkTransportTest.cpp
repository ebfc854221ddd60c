// LinkTransport over an in-process transport object in place of the library: Demo Mode, a missing
// library or entry point, the first-open flag, the counter, the frames written, the refusal of
// oversized data, and the table of device behaviours through the transport.
#include <gtest/gtest.h>

#include <memory>

#include "ConfigStore.h"
#include "FakeLinkObject.h"
#include "LinkReadCases.h"
#include "LinkTransport.h"
#include "ProcessValues.h"
#include "TempFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct FakeLibrary {
    CLinkTransportObject* object = nullptr;
    int creates = 0;
    int destroys = 0;
    int32_t lastKind = 0;
};

FakeLibrary g_library;

CLinkTransportObject* LINK_EXPORT_CALL FakeCreate(int32_t kind)
{
    ++g_library.creates;
    g_library.lastKind = kind;
    return g_library.object;
}

void LINK_EXPORT_CALL FakeDestroy()
{
    ++g_library.destroys;
}

const LINK_LIBRARY_ENTRIES kBothEntries = {&FakeCreate, &FakeDestroy};

class LinkTransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResSetRunModeFlag(L"0");
        ResSetAppDir(folder.Path().wstring() + L"\\");
        g_library = {};
        g_library.object = &fake;
        LinkUseEntriesForTest(&kBothEntries);
        LinkUseTickSourceForTest(fake.Ticks());
        LinkForgetFirstOpenForTest();
    }

    void TearDown() override
    {
        EXPECT_EQ(fake.unusedCalls, 0) << "the first slot is never called";
        LinkUseEntriesForTest(nullptr);
        LinkUseTickSourceForTest({});
        ResSetRunModeFlag(L"0");
    }

    CTempFolder folder;
    CFakeLinkObject fake{0xFFFFF000};  // close to the wrap of the tick counter
};

TEST_F(LinkTransportTest, DemoModeTouchesNoLibraryAndNoDevice)
{
    ResSetRunModeFlag(L"1");
    {
        LinkTransport link;
        EXPECT_FALSE(link.IsLibraryLoaded());
        EXPECT_FALSE(link.HasTransport());
        EXPECT_EQ(link.Timeout(), 0);
        EXPECT_TRUE(link.LinkConnect());
        const uint8_t request[] = {0x00, 0x06};
        EXPECT_EQ(link.LinkWriteFrame(request, 2), 2);
        uint8_t reply[100];
        EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), -1);
        EXPECT_EQ(link.LinkReset(), 0);
        link.LinkDisconnect();
    }
    EXPECT_EQ(g_library.creates, 0);
    EXPECT_EQ(g_library.destroys, 0);
    EXPECT_TRUE(fake.openFlags.empty());
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_EQ(fake.reads, 0);
    EXPECT_EQ(fake.closes, 0);

    // Demo Mode did not use up the first open of the process.
    ResSetRunModeFlag(L"0");
    LinkTransport link;
    link.LinkConnect();
    EXPECT_EQ(fake.openFlags, (std::vector<int32_t>{1}));
}

TEST_F(LinkTransportTest, WithoutTheLibraryNothingIsSentAndNothingWaitedFor)
{
    LinkUseEntriesForTest(nullptr);  // the program folder holds no "Link.dll"
    LinkTransport link;
    EXPECT_FALSE(link.IsLibraryLoaded());
    EXPECT_FALSE(link.LinkConnect());
    const uint8_t request[] = {0x00, 0xFE, 0x00};
    EXPECT_EQ(link.LinkWriteFrame(request, 3), 3);
    uint8_t reply[100];
    const uint32_t before = fake.Now();
    EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), -1);
    EXPECT_EQ(fake.Now(), before) << "no poll without a transport";
    link.LinkDisconnect();
    EXPECT_EQ(link.LinkPulseCts(), 0);
}

TEST_F(LinkTransportTest, ALibraryOutsideTheProgramFolderIsNotLoaded)
{
    // The test program's own folder holds the stand-in library; the program folder does not.
    LinkUseEntriesForTest(nullptr);
    LinkTransport link;
    EXPECT_FALSE(link.IsLibraryLoaded());
    ResSetAppDir(L"");
    LinkTransport withoutFolder;
    EXPECT_FALSE(withoutFolder.IsLibraryLoaded());
}

struct EntryCase {
    const char* name;
    LINK_LIBRARY_ENTRIES entries;
    bool returnsObject;
    int creates;
    int destroys;
    bool connects;
};

class LinkEntryPointTest : public LinkTransportTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(LinkEntryPointTest, MakesAndDestroysTheObjectOnlyThroughEntryPointsThatExist)
{
    const EntryCase& c = GetParam();
    LinkUseEntriesForTest(&c.entries);
    if (!c.returnsObject)
        g_library.object = nullptr;
    {
        LinkTransport link;
        EXPECT_EQ(link.HasTransport(), c.connects);
        EXPECT_EQ(link.LinkConnect(), c.connects);
        link.LinkDisconnect();
    }
    EXPECT_EQ(g_library.creates, c.creates);
    EXPECT_EQ(g_library.destroys, c.destroys);
    if (c.creates) {
        EXPECT_EQ(g_library.lastKind, 2);
    }
    EXPECT_EQ(fake.closes, c.connects ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkEntryPointTest, ::testing::Values(
    EntryCase{"both", {&FakeCreate, &FakeDestroy}, true, 1, 1, true},
    EntryCase{"no_destroy", {&FakeCreate, nullptr}, true, 0, 0, false},
    EntryCase{"no_create", {nullptr, &FakeDestroy}, true, 0, 0, false},
    EntryCase{"create_gives_nothing", {&FakeCreate, &FakeDestroy}, false, 1, 1, false}),
    [](const ::testing::TestParamInfo<EntryCase>& param) { return std::string(param.param.name); });

TEST_F(LinkTransportTest, OnlyTheFirstOpenOfTheProcessPassesFlagOneEvenWhenItFails)
{
    fake.openResult = 0;
    {
        LinkTransport first;
        EXPECT_FALSE(first.LinkConnect());
    }
    fake.openResult = 1;
    for (int i = 0; i < 2; ++i) {
        LinkTransport next;
        EXPECT_TRUE(next.LinkConnect());
        next.LinkDisconnect();
    }
    EXPECT_EQ(fake.openFlags, (std::vector<int32_t>{1, 0, 0}));
    EXPECT_EQ(g_library.creates, 3);
    EXPECT_EQ(g_library.destroys, 3);
}

struct OpenCase {
    int32_t result;
    bool connects;
};

class LinkOpenResultTest : public LinkTransportTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(LinkOpenResultTest, OnlyTheLowByteCounts)
{
    fake.openResult = GetParam().result;
    LinkTransport link;
    EXPECT_EQ(link.LinkConnect(), GetParam().connects);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkOpenResultTest, ::testing::Values(
    OpenCase{0, false}, OpenCase{1, true}, OpenCase{0x100, false}, OpenCase{0x101, true}, OpenCase{-256, false},
    OpenCase{-1, true}));

TEST_F(LinkTransportTest, WritesOneFrameWithTheRaisedCounter)
{
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    const uint8_t reset[] = {0x00, 0xFE, 0x00};
    const uint8_t check[] = {0x00, 0x06};
    EXPECT_EQ(link.LinkWriteFrame(reset, 3), 3);
    EXPECT_EQ(link.LinkWriteFrame(check, 2), 2);
    ASSERT_EQ(fake.writes.size(), 2u);
    EXPECT_EQ(fake.writes[0], (Bytes{0xAA, 0x55, 0x00, 0x03, 0xFF, 0xFC, 0x01, 0x00, 0xFE, 0x00, 0xFC}));
    EXPECT_EQ(fake.writes[1], (Bytes{0xAA, 0x55, 0x00, 0x02, 0xFF, 0xFD, 0x02, 0x00, 0x06, 0x05}));
    EXPECT_EQ(link.Counter(), 2);
}

TEST_F(LinkTransportTest, TheCounterWrapsAndTheReplyToCounterZeroIsRead)
{
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    const uint8_t request[] = {0x00, 0x06};
    for (int i = 0; i < 256; ++i)
        link.LinkWriteFrame(request, 2);
    EXPECT_EQ(fake.writes[254][6], 255);
    EXPECT_EQ(fake.writes[255][6], 0);
    // 255 is not an earlier request's counter but the wildcard, so take the one before it.
    fake.Schedule(0, CSimulatedDevice::MakeFrame(254, Bytes{0x01}));
    fake.Schedule(0, CSimulatedDevice::MakeFrame(0, Bytes{0x02}));
    uint8_t reply[1] = {};
    EXPECT_EQ(link.LinkReadFrame(reply, 1), 1);
    EXPECT_EQ(reply[0], 0x02);
}

struct WriteCase {
    const char* name;
    int length;
    bool withData;
    int expected;
    size_t frameSize;  // 0: nothing written
};

class LinkWriteRefusalTest : public LinkTransportTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(LinkWriteRefusalTest, SendsOnlyWhatFitsOneFrame)
{
    const WriteCase& c = GetParam();
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    const Bytes data(400, 0x5A);
    EXPECT_EQ(link.LinkWriteFrame(c.withData ? data.data() : nullptr, c.length), c.expected);
    if (c.frameSize) {
        ASSERT_EQ(fake.writes.size(), 1u);
        EXPECT_EQ(fake.writes[0].size(), c.frameSize);
        EXPECT_EQ(link.Counter(), 1);
    } else {
        EXPECT_TRUE(fake.writes.empty());
        EXPECT_EQ(link.Counter(), 0) << "a refused frame uses no counter";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkWriteRefusalTest, ::testing::Values(
    WriteCase{"largest", 292, true, 292, 300},
    WriteCase{"one_too_many", 293, true, -1, 0},
    WriteCase{"longest_download_chunk", 265, true, 265, 273},
    WriteCase{"negative_length", -1, true, -1, 0},
    WriteCase{"no_data", 3, false, -1, 0},
    WriteCase{"empty", 0, false, 0, 8}),
    [](const ::testing::TestParamInfo<WriteCase>& param) { return std::string(param.param.name); });

TEST_F(LinkTransportTest, ReadsTheReplyToTheLastRequestOnly)
{
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    const uint8_t request[] = {0x00, 0x06};
    link.LinkWriteFrame(request, 2);
    link.LinkWriteFrame(request, 2);
    fake.Schedule(0, CSimulatedDevice::MakeFrame(1, Bytes{0x11}));
    fake.Schedule(5, CSimulatedDevice::MakeFrame(2, Bytes{0x22, 0x23}));
    std::vector<LinkReaderNote> notes;
    link.LinkSetTrace([&](LinkReaderNote note) { notes.push_back(note); });
    uint8_t reply[100] = {};
    EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), 2);
    EXPECT_EQ(reply[0], 0x22);
    EXPECT_EQ(notes, (std::vector<LinkReaderNote>{LinkReaderNote::kForeignCounter}));
}

struct TimeoutCase {
    int32_t timeoutMs;
    uint32_t replyAtMs;
    int expected;
};

class LinkTimeoutTest : public LinkTransportTest, public ::testing::WithParamInterface<TimeoutCase> {};

TEST_P(LinkTimeoutTest, WaitsTheSetTimeOut)
{
    LinkTransport link;
    ASSERT_TRUE(link.LinkConnect());
    EXPECT_EQ(link.Timeout(), LinkTransport::kDefaultTimeoutMs);
    link.LinkSetTimeout(GetParam().timeoutMs);
    const uint8_t request[] = {0x00, 0x06};
    link.LinkWriteFrame(request, 2);
    fake.Schedule(GetParam().replyAtMs, CSimulatedDevice::MakeFrame(1, Bytes{0x01}));
    const uint32_t before = fake.Now();
    uint8_t reply[100];
    EXPECT_EQ(link.LinkReadFrame(reply, sizeof(reply)), GetParam().expected);
    EXPECT_LE(fake.Now() - before, static_cast<uint32_t>(GetParam().timeoutMs) + 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkTimeoutTest, ::testing::Values(
    TimeoutCase{50, 40, 1}, TimeoutCase{50, 60, -1}, TimeoutCase{2000, 1990, 1}, TimeoutCase{2000, 2100, -1},
    TimeoutCase{10000, 9000, 1}));

TEST_F(LinkTransportTest, PassesTheSixthOperationsResultBack)
{
    fake.resetResult = 42;
    LinkTransport link;
    EXPECT_EQ(link.LinkReset(), 42);
    EXPECT_EQ(fake.resets, 1);
}

TEST_F(LinkTransportTest, PulsesCtsWithTwoUnframedTexts)
{
    LinkTransport link;
    EXPECT_EQ(link.LinkPulseCts(), 0);
    ASSERT_EQ(fake.writes.size(), 2u);
    EXPECT_EQ(fake.writes[0], Bytes(std::begin("***CTS_LOW***"), std::end("***CTS_LOW***")));
    EXPECT_EQ(fake.writes[0].size(), 14u);
    EXPECT_EQ(fake.writes[1], Bytes(std::begin("***CTS_HIGH***"), std::end("***CTS_HIGH***")));
    EXPECT_EQ(fake.writes[1].size(), 15u);
}

// The table of device behaviours, through the transport and the simulated device in-process.
class LinkTransportCaseTest : public LinkTransportTest, public ::testing::WithParamInterface<LINK_READ_CASE> {};

TEST_P(LinkTransportCaseTest, ThroughTheTransport)
{
    const LINK_READ_CASE& c = GetParam();
    CSimulatedDevice device;
    ASSERT_TRUE(ApplySimulatorControl(device.Settings(), LinkCaseControl(c, {2000, 2500, 1500, 2})));
    fake.Attach(&device);
    LinkTransport link;
    ASSERT_EQ(link.LinkConnect(), c.connects);
    if (!c.connects)
        return;
    std::vector<LinkReaderNote> notes;
    link.LinkSetTrace([&](LinkReaderNote note) { notes.push_back(note); });
    EXPECT_EQ(link.LinkWriteFrame(kLinkCheckRequest.data(), 2), 2);
    uint8_t reply[kLinkCaseRoom] = {};
    ExpectLinkCaseOutcome(c, link.LinkReadFrame(reply, kLinkCaseRoom), reply, notes);
    link.LinkDisconnect();
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkTransportCaseTest, ::testing::ValuesIn(LinkReadCases()), LinkCaseName);

// The serial-port list of the system, written into this test's own Wine prefix.
class LinkComPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        config = folder.Write("Config.xml", "<?xml version=\"1.0\" ?>\n<CONFIG><COMMON><SYSTEM COMMPORT=\"" +
                                                std::string(stored) + "\" /></COMMON></CONFIG>\n");
        ASSERT_TRUE(LoadConfigDocument(config.c_str()));
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Hardware\\DeviceMap\\SerialComm", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
            GTEST_SKIP() << "the serial-port list cannot be written here";
    }
    void TearDown() override
    {
        if (key) {
            RegDeleteValueW(key, kBridge);
            RegCloseKey(key);
        }
    }

    static constexpr const wchar_t* kBridge = L"\\Device\\Silabser7";
    const char* stored = "COM1";
    CTempFolder folder;
    std::filesystem::path config;
    HKEY key = nullptr;
};

TEST_F(LinkComPortTest, StoresTheBridgesPortWhenTheStoredOneIsNotABridge)
{
    const wchar_t port[] = L"COM9";
    ASSERT_EQ(RegSetValueExW(key, kBridge, 0, REG_SZ, reinterpret_cast<const BYTE*>(port), sizeof(port)),
              ERROR_SUCCESS);
    LinkTransport::LinkSelectComPort();
    EXPECT_EQ(GetConfigValue(L"COMMON\\SYSTEM", L"COMMPORT", L""), L"COM9");
    EXPECT_NE(ReadFileBytes(config).find("COMMPORT=\"COM9\""), std::string::npos);
    // Now the stored port is the bridge's: nothing changes.
    LinkTransport::LinkSelectComPort();
    EXPECT_EQ(GetConfigValue(L"COMMON\\SYSTEM", L"COMMPORT", L""), L"COM9");
}

TEST_F(LinkComPortTest, KeepsTheStoredPortWithoutABridge)
{
    const std::string before = ReadFileBytes(config);
    LinkTransport::LinkSelectComPort();
    EXPECT_EQ(ReadFileBytes(config), before);
}

}  // namespace
