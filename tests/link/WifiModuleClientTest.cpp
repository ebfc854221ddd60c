// The module's forms over the Windows internet library against the loopback module, the system's
// wireless library through the stand-in library, the serial-port list, and the narrowing of names.
#include <gtest/gtest.h>

#include <windows.h>

#include <wininet.h>

#include <fstream>

#include "ConfigStore.h"
#include "LoopbackWifiModule.h"
#include "ProgramRun.h"
#include "TempFolder.h"
#include "TextConversion.h"
#include "UsbSerialPort.h"
#include "WifiModuleClient.h"
#include "WlanHelper.h"
#include "WlanSystemSession.h"

namespace {

constexpr char kLoopback[] = "127.0.0.1";

class WifiModuleClientTest : public ::testing::Test {
protected:
    void SetUp() override { saved = WifiModuleEndpoint(); }
    void TearDown() override { WifiModuleEndpoint() = saved; }

    int Post(CLoopbackWifiModule& module, const WIFI_MODULE_FORM& form)
    {
        WifiModuleEndpoint().port = module.Port();
        return PostWifiModuleForm(kLoopback, form);
    }

    WIFI_MODULE_ENDPOINT saved;
};

TEST_F(WifiModuleClientTest, EachFormReachesTheModuleExactlyAsItsPagesSendIt)
{
    CLoopbackWifiModule module;
    ASSERT_NE(module.Port(), 0);
    EXPECT_EQ(Post(module, WifiModuleSsidForm(kLoopback, "Bay&7 =%+")), 1);
    EXPECT_EQ(Post(module, WifiModuleSecurityForm(kLoopback)), 1);
    EXPECT_EQ(Post(module, WifiModuleRestartForm(kLoopback)), 1);
    const std::vector<MODULE_REQUEST> requests = module.Requests();
    ASSERT_EQ(requests.size(), 3u);
    const char* forms[] = {"ssid", "security", "restart"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(requests[i].form, forms[i]);
        EXPECT_EQ(requests[i].fault, "") << forms[i];
    }
    EXPECT_EQ(requests[0].ssid, "Bay&7 =%+");
}

struct AnswerCase {
    const char* name;
    MODULE_ANSWER answer;
    bool accepted;
};

class WifiModuleAnswerTest : public WifiModuleClientTest, public ::testing::WithParamInterface<AnswerCase> {};

// Only a status of 2xx is success; a redirect that names no page, an error, a broken or a silent
// module are failures, and none of them holds the caller for long.
TEST_P(WifiModuleAnswerTest, OnlyASuccessStatusCountsAsAccepted)
{
    WifiModuleEndpoint().transferTimeoutMs = 1500;
    CLoopbackWifiModule module({GetParam().answer});
    const int result = Post(module, WifiModuleSsidForm(kLoopback, "Pelgrid"));
    EXPECT_EQ(result == 1, GetParam().accepted) << result;
    EXPECT_NE(result, 0) << "a request was made";
    if (!GetParam().accepted) {
        EXPECT_EQ(result, GetParam().answer.status);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WifiModuleAnswerTest,
    ::testing::Values(AnswerCase{"Ok", {200}, true}, AnswerCase{"NoContent", {204}, true},
                      AnswerCase{"RedirectWithoutPlace", {302}, false}, AnswerCase{"ServerError", {500}, false},
                      AnswerCase{"PageCutShort", {200, true}, true}),
    [](const auto& entry) { return std::string(entry.param.name); });

TEST_F(WifiModuleClientTest, AModuleThatHangsUpGivesTheLibrarysError)
{
    CLoopbackWifiModule module({MODULE_ANSWER{200, false, false, true}});
    const int result = Post(module, WifiModuleSsidForm(kLoopback, "Pelgrid"));
    EXPECT_GT(result, 12000) << "an error of the internet library";
    EXPECT_LT(result, 13000);
}

TEST_F(WifiModuleClientTest, ASilentModuleTimesOut)
{
    WifiModuleEndpoint().transferTimeoutMs = 1500;
    CLoopbackWifiModule module({MODULE_ANSWER{200, false, true}});
    const int result = Post(module, WifiModuleSsidForm(kLoopback, "Pelgrid"));
    // Windows names it a time-out; Wine's library reports the connection as aborted (12030).
    EXPECT_TRUE(result == ERROR_INTERNET_TIMEOUT || result == ERROR_INTERNET_CONNECTION_ABORTED) << result;
}

TEST_F(WifiModuleClientTest, NoModuleAtAllIsAFailureToo)
{
    unsigned short port = 0;
    {
        CLoopbackWifiModule gone;
        port = gone.Port();
    }
    WifiModuleEndpoint().port = port;
    const int result = PostWifiModuleForm(kLoopback, WifiModuleSsidForm(kLoopback, "Pelgrid"));
    EXPECT_NE(result, 1);
    EXPECT_NE(result, 0);
}

TEST_F(WifiModuleClientTest, TheAddressIsAConfiguredIpv4AddressAndLoopbackWithoutOne)
{
    CTempFolder folder;
    const auto use = [&](const std::string& wifi) {
        const auto config = folder.Write("Config.xml", "<CONFIG><COMMON><WIFI " + wifi + " /></COMMON></CONFIG>\n");
        ASSERT_TRUE(LoadConfigDocument(config.c_str()));
    };
    use("SSID=\"Pelgrid\"");
    EXPECT_EQ(WifiModuleAddress(), "127.0.0.1");
    use("MODULEADDRESS=\"127.0.0.9\"");
    EXPECT_EQ(WifiModuleAddress(), "127.0.0.9");
    for (const char* bad : {"MODULEADDRESS=\"module.local\"", "MODULEADDRESS=\"127.0.0.1&#13;&#10;X: y\"",
                            "MODULEADDRESS=\"300.1.1.1\"", "MODULEADDRESS=\"1.2.3\""}) {
        use(bad);
        EXPECT_EQ(WifiModuleAddress(), "") << bad;
    }
    EXPECT_EQ(PostWifiModuleForm("", WifiModuleSsidForm("", "Pelgrid")), 0) << "nothing is sent";
}

// The stand-in library, loaded by its path: what the program hands the system's wireless service.
class WlanSystemSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetWlanLibraryPath((BuildProgramFolder() / "wlan" / "wlanapi.dll").wstring());
        log = folder / "wlan.log";
        SetEnvironmentVariableW(L"WLAN_STANDIN_LOG", log.c_str());
    }
    void TearDown() override
    {
        SetWlanLibraryPath(L"");
        for (const wchar_t* name : {L"WLAN_STANDIN_LOG", L"WLAN_STANDIN_NETWORKS", L"WLAN_STANDIN_CONNECT_RESULT",
                                    L"WLAN_STANDIN_PROFILE_RESULT"})
            SetEnvironmentVariableW(name, nullptr);
    }
    WLAN_SERVICES Services()
    {
        WLAN_SERVICES services = SystemWlanServices();
        services.wait = [this](unsigned ms) { waited += ms; };
        return services;
    }

    CTempFolder folder;
    std::filesystem::path log;
    unsigned waited = 0;
};

TEST_F(WlanSystemSessionTest, TheProfileAndTheConnectionReachTheService)
{
    // "Bay&7", secured, not connected, no profile; another network before it.
    SetEnvironmentVariableW(L"WLAN_STANDIN_NETWORKS", L"30 0 1 0 4F74686572\n64 0 1 0 4261792637");
    WlanHelper helper(Services());
    EXPECT_EQ(helper.WlanConnectSsid("Bay&7", kWlanSetProfileAndConnect, WLAN_KEY_SOURCE::ConfiguredModule), 3);
    EXPECT_EQ(helper.GetSignalQuality(), 64u);
    EXPECT_EQ(waited, 20000u);
    const std::string written = ReadFileBytes(log);
    EXPECT_NE(written.find("profile flags=0 overwrite=1 descriptor=none <?xml version=\"1.0\"?><WLANProfile"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("<name>Bay&amp;7</name>"), std::string::npos);
    EXPECT_NE(written.find("<encryption>TKIP</encryption>"), std::string::npos);
    EXPECT_NE(written.find("<keyMaterial>59317246</keyMaterial>"), std::string::npos);
    // Profile mode, the profile just set, infrastructure, the hidden-network flag (Wine reports a
    // system of major version 6 or above).
    EXPECT_NE(written.find("connect mode=0 profile=Bay&7 ssid=4261792637 bss=1 flags=1"), std::string::npos)
        << written;
}

TEST_F(WlanSystemSessionTest, ARefusedConnectionAndARefusedProfileGiveTheirCodes)
{
    SetEnvironmentVariableW(L"WLAN_STANDIN_NETWORKS", L"64 0 0 0 50656C67726964");
    SetEnvironmentVariableW(L"WLAN_STANDIN_CONNECT_RESULT", L"5");
    WlanHelper helper(Services());
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", kWlanSetProfileAndConnect), 4);
    EXPECT_NE(ReadFileBytes(log).find("<authentication>open</authentication><encryption>none</encryption>"),
              std::string::npos)
        << "an open network gets an open profile";
    SetEnvironmentVariableW(L"WLAN_STANDIN_CONNECT_RESULT", L"1168");
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", kWlanSetProfileAndConnect), 3) << "\"not found\" counts as accepted";
    SetEnvironmentVariableW(L"WLAN_STANDIN_PROFILE_RESULT", L"1206");
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", kWlanSetProfileOnly), 9);
}

TEST_F(WlanSystemSessionTest, WithoutTheLibraryThereIsNoNetwork)
{
    SetWlanLibraryPath((folder / "missing.dll").wstring());
    WlanHelper helper(Services());
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", kWlanSetProfileAndConnect), 0);
}

// Wine's own library is a stub: it reports no usable interface.
TEST_F(WlanSystemSessionTest, WinesOwnLibraryFindsNothing)
{
    SetWlanLibraryPath(L"");
    WlanHelper helper(Services());
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", kWlanSetProfileAndConnect), 0);
}

// The serial-port list of the system, written into this test's own Wine prefix.
TEST(UsbSerialPortTest, ABridgePortInAnyCaseMeansTheCable)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Hardware\\DeviceMap\\SerialComm", 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        GTEST_SKIP() << "the serial-port list cannot be written here";
    const wchar_t port[] = L"COM7";
    const auto set = [&](const wchar_t* name) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(port), sizeof(port));
    };
    set(L"\\Device\\Serial0");
    EXPECT_FALSE(HasUsbSerialPort());
    set(L"\\Device\\Silabser0");
    EXPECT_TRUE(HasUsbSerialPort());
    RegDeleteValueW(key, L"\\Device\\Silabser0");
    RegDeleteValueW(key, L"\\Device\\Serial0");
    RegCloseKey(key);
}

TEST(WideToNarrowTest, ANameComesWholeOrNotAtAll)
{
    char buffer[8] = {'x'};
    EXPECT_TRUE(WideToNarrow(buffer, L"Pelgrid", sizeof(buffer), CP_ACP));
    EXPECT_STREQ(buffer, "Pelgrid");
    EXPECT_FALSE(WideToNarrow(buffer, L"Pelgrid1", sizeof(buffer), CP_ACP)) << "no room for the end";
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(WideToNarrow(buffer, L"\u4E2D", sizeof(buffer), 1252)) << "no form in the code page";
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(WideToNarrow(buffer, L"\u0100", sizeof(buffer), 1252)) << "no near match either";
    EXPECT_TRUE(WideToNarrow(buffer, L"Caf\u00E9", sizeof(buffer), CP_UTF8));
    EXPECT_STREQ(buffer, "Caf\xC3\xA9");
}

}  // namespace
