// The device information page without its window: the read through the stand-in library and the
// simulator, the rows it shows, and what it stores in "Config.xml".
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "ConfigStore.h"
#include "DeviceInfoPage.h"
#include "LinkProgramFolder.h"
#include "LinkTransport.h"
#include "ProcessValues.h"
#include "SimulatorRun.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;

const std::string kFreshConfig =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<CONFIG>\n<COMMON>\n  <WIFI SSID=\"KORVE\" />\n"
    "  <LOGIN SERIALNO=\"\" />\n</COMMON>\n</CONFIG>\n";

class DeviceInfoPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareLinkProgramFolder(program);
        SetGlobalFloat2(6.3f);
        page.SetPause([](unsigned) {});
        UseConfig(kFreshConfig);
    }
    void TearDown() override
    {
        ResSetRunModeFlag(L"0");
        LinkUseTickSourceForTest({});
    }

    void UseConfig(const std::string& text)
    {
        config = root.Write("Program/Config.xml", text);
        ASSERT_TRUE(LoadConfigDocument(config.c_str()));
    }

    void StartSimulator(const std::wstring& arguments = L"")
    {
        simulator = std::make_unique<CSimulatorRun>(root / "simulator", arguments);
        ASSERT_TRUE(simulator->WaitUntilListening());
    }

    void ExpectFixedRows() const
    {
        EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSystemName), L"Nuthawk");
        EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSoftwareVersion), L"6.30");
    }

    CTempFolder root;
    fs::path program = root / "Program";
    fs::path config;
    std::unique_ptr<CSimulatorRun> simulator;
    CDeviceInfoPage page;
};

TEST_F(DeviceInfoPageTest, ShowsTheDeviceValuesAndStoresTheSerialNumber)
{
    StartSimulator();
    ASSERT_TRUE(page.StartRead());
    page.RunRead();
    ExpectFixedRows();
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kHardwareVersion), L"0312");
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSerialNumber), L"NH20240017");
    const std::string stored = ReadFileBytes(config);
    EXPECT_NE(stored.find("SERIALNO=\"NH20240017\""), std::string::npos) << stored;
    EXPECT_NE(stored.find("SSID=\"NH20240017\""), std::string::npos) << stored;

    EXPECT_TRUE(simulator->WaitForLogLine("close"));
    const auto log = simulator->LogLines();
    std::vector<std::string> exchange;
    for (const std::string& line : log) {
        if (line.rfind("send", 0) != 0)
            exchange.push_back(line);
    }
    EXPECT_EQ(exchange, (std::vector<std::string>{"open 1", "frame 01 00FE00", "frame 02 0006", "frame 03 0001",
                                                  "close"}));
}

TEST_F(DeviceInfoPageTest, ShowsEveryNibbleAsItsNumber)
{
    StartSimulator(L"--hardware 0x0A01 --serial AB12");
    page.RunRead();
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kHardwareVersion), L"01001");
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSerialNumber), L"AB12");
}

TEST_F(DeviceInfoPageTest, ASerialNumberAlreadyStoredIsNotWrittenAgain)
{
    UseConfig("<?xml version=\"1.0\" ?>\n<CONFIG><COMMON><WIFI SSID=\"Workshop\" />"
              "<LOGIN SERIALNO=\"NH20240017\" /></COMMON></CONFIG>\n");
    const std::string before = ReadFileBytes(config);
    StartSimulator();
    page.RunRead();
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSerialNumber), L"NH20240017");
    EXPECT_EQ(ReadFileBytes(config), before);
}

TEST_F(DeviceInfoPageTest, StoresTheSerialNumberEvenWithoutTheWifiElement)
{
    UseConfig("<?xml version=\"1.0\" ?>\n<CONFIG><COMMON><LOGIN SERIALNO=\"OLD\" /></COMMON></CONFIG>\n");
    StartSimulator();
    page.RunRead();
    EXPECT_EQ(GetConfigValue(L"COMMON\\LOGIN", L"SERIALNO", L""), L"NH20240017");
    EXPECT_NE(ReadFileBytes(config).find("SERIALNO=\"NH20240017\""), std::string::npos);
}

TEST_F(DeviceInfoPageTest, SelectingThePageTwiceArmsOneRead)
{
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kHardwareVersion), L"----");
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSystemName), L"----");
    EXPECT_TRUE(page.StatusText().empty());
    EXPECT_TRUE(page.StartRead());
    EXPECT_FALSE(page.StartRead());
    EXPECT_TRUE(page.IsReadScheduled());
    EXPECT_EQ(page.StatusText(), L"Reading version data, please wait...");
    EXPECT_FALSE(page.IsDone());

    UseSimulatorPipe(UnusedSimulatorPipe());
    page.RunRead();
    EXPECT_TRUE(page.StatusText().empty());
    EXPECT_FALSE(page.IsReadScheduled());
    EXPECT_TRUE(page.IsDone());
    EXPECT_TRUE(page.StartRead()) << "the next selection reads again";
}

TEST(DeviceInfoPageLabelTest, LabelsFallBackToTheirBuiltInTexts)
{
    EXPECT_EQ(CDeviceInfoPage::LabelText(CDeviceInfoPage::kSystemName), L"System Name:");
    EXPECT_EQ(CDeviceInfoPage::LabelText(CDeviceInfoPage::kSoftwareVersion), L"Software version:");
    EXPECT_EQ(CDeviceInfoPage::LabelText(CDeviceInfoPage::kHardwareVersion), L"Hardware version:");
    EXPECT_EQ(CDeviceInfoPage::LabelText(CDeviceInfoPage::kSerialNumber), L"Serial No:");
}

// Every way the read can fail shows Unknown and leaves "Config.xml" as it was.
struct FailureCase {
    const char* name;
    bool simulatorRuns;
    const char* control;
    bool demoMode = false;
    bool fastClock = false;  // for a device that never answers: its time-outs cost no real time
};

class DeviceInfoPageFailureTest : public DeviceInfoPageTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DeviceInfoPageFailureTest, ShowsUnknownAndStoresNothing)
{
    const FailureCase& c = GetParam();
    const std::string before = ReadFileBytes(config);
    if (c.simulatorRuns) {
        StartSimulator();
        simulator->SetControl(c.control);
    } else {
        UseSimulatorPipe(UnusedSimulatorPipe());
    }
    if (c.demoMode)
        ResSetRunModeFlag(L"1");
    if (c.fastClock) {
        LinkUseTickSourceForTest([] {
            static uint32_t now = 0;
            return now += 50;
        });
    }
    page.StartRead();
    page.RunRead();
    ExpectFixedRows();
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kHardwareVersion), L"Unknown");
    EXPECT_EQ(page.RowValue(CDeviceInfoPage::kSerialNumber), L"Unknown");
    EXPECT_EQ(ReadFileBytes(config), before);
    EXPECT_TRUE(page.IsDone());
    if (c.demoMode && simulator) {
        EXPECT_TRUE(simulator->LogLines().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceInfoPageFailureTest, ::testing::Values(
    FailureCase{"no_simulator", false, ""},
    FailureCase{"no_device", true, "fault no-device\n"},
    FailureCase{"version_reply_of_fourteen_bytes", true, "fault short\n"},
    FailureCase{"no_reply", true, "fault silent\n", false, true},
    FailureCase{"reply_too_long", true, "fault too-long\n"},
    FailureCase{"demo_mode", true, "", true}),
    [](const ::testing::TestParamInfo<FailureCase>& param) { return std::string(param.param.name); });

}  // namespace
