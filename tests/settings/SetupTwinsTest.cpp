// The setup pages that apply a choice at once, and the link-mode page with the stand-in wireless
// library and the loopback module, in the frame.
#include "../frame/FrameFixture.h"

#include <fstream>
#include <functional>

#include "ConfigStore.h"
#include "LoopbackWifiModule.h"
#include "ProgramRestart.h"
#include "SetupLanguage.h"
#include "SetupLinkMode.h"
#include "SetupRunMode.h"
#include "SetupScreen.h"
#include "SetupStripes.h"
#include "SetupUnitType.h"
#include "WifiModuleClient.h"
#include "WlanSystemSession.h"

namespace {

namespace fs = std::filesystem;

class SetupTwinsTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        ResSetLanguageCode(L"EN");
        MainFrameTest::SetUp();
        SetProgramRestartCatcher([this] { ++restarts; return true; });
    }
    void TearDown() override
    {
        pages.clear();
        SetProgramRestartCatcher({});
        ResSetRunModeFlag(L"0");
        ResSetUnitMode(0);
        MainFrameTest::TearDown();
    }

    void UseConfig(const std::string& common)
    {
        config = programFolder.Path() / "Config.xml";
        std::ofstream(config, std::ios::binary) << "<CONFIG><COMMON>" << common << "</COMMON></CONFIG>\n";
        ASSERT_TRUE(LoadConfigDocument(config.c_str()));
    }
    std::string StoredConfig() const { return ReadFileBytes(config); }

    // Shows a page in the frame's middle, over the views.
    template <typename Page>
    Page& Open(const std::function<void(Page&)>& beforeCreate = {})
    {
        auto page = std::make_unique<Page>(frame->Handle());
        Page& shown = *page;
        if (beforeCreate)
            beforeCreate(shown);
        EXPECT_TRUE(page->CreateModeless());
        SetWindowPos(page->Handle(), HWND_TOP, 200, 150, 600, 300, SWP_SHOWWINDOW);
        pages.push_back(std::move(page));
        return shown;
    }
    void Click(CDialog& page, int id)
    {
        SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page.Handle(), id)));
    }
    static bool Checked(CDialog& page, int id) { return IsDlgButtonChecked(page.Handle(), id) == BST_CHECKED; }

    COLORREF PixelAt(CDialog& page, int x, int y)
    {
        UpdateWindow(page.Handle());
        CClientDc dc(page.Handle());
        return GetPixel(dc.Get(), x, y);
    }

    fs::path config;
    int restarts = 0;
    std::vector<std::unique_ptr<CDialog>> pages;
};

TEST_F(SetupTwinsTest, RunModeAndUnitsApplyAtTheClickForThisRunOnly)
{
    UseConfig("<SYSTEM UNITMODE=\"0\" />");
    ResSetRunModeFlag(L"1");
    CSetupRunMode& runMode = Open<CSetupRunMode>();
    EXPECT_TRUE(Checked(runMode, CSetupRunMode::kDemo));
    wchar_t caption[32] = {};
    GetDlgItemTextW(runMode.Handle(), CSetupRunMode::kDemo, caption, 32);
    EXPECT_STREQ(caption, L"Demo");
    Click(runMode, CSetupRunMode::kDiagnose);
    EXPECT_EQ(ResGetRunModeFlag(), L"0");
    EXPECT_TRUE(Checked(runMode, CSetupRunMode::kDiagnose));
    EXPECT_FALSE(Checked(runMode, CSetupRunMode::kDemo));

    CSetupUnitType& units = Open<CSetupUnitType>();
    EXPECT_TRUE(Checked(units, CSetupUnitType::kMetric));
    Click(units, CSetupUnitType::kBritish);
    EXPECT_EQ(ResGetUnitMode(), 1);
    EXPECT_TRUE(Checked(units, CSetupUnitType::kBritish));
    EXPECT_EQ(StoredConfig().find("UNITMODE=\"1\""), std::string::npos) << "never stored";
    EXPECT_EQ(restarts, 0);
}

struct ScreenCase {
    const char* stored;  // the SYSTEM element's attributes
    int clicked;
    int restarts;
    const char* storedAfter;
};

class SetupScreenTest : public SetupTwinsTest, public ::testing::WithParamInterface<ScreenCase> {};

// With no value stored the program runs full screen: choosing it again must not restart.
TEST_P(SetupScreenTest, OnlyAnotherSizeIsStoredAndRestarts)
{
    const ScreenCase& c = GetParam();
    UseConfig(std::string("<SYSTEM ") + c.stored + " />");
    CSetupScreen& page = Open<CSetupScreen>();
    const bool fixedBefore = Checked(page, CSetupScreen::kFixedScreen);
    Click(page, c.clicked);
    EXPECT_EQ(restarts, c.restarts);
    const std::string lookedFor = *c.storedAfter ? c.storedAfter : "SCREENMODE";
    EXPECT_EQ(StoredConfig().find(lookedFor) != std::string::npos, *c.storedAfter != '\0') << StoredConfig();
    if (c.restarts == 0) {
        EXPECT_EQ(Checked(page, CSetupScreen::kFixedScreen), fixedBefore) << "not even the check mark moves";
    } else {
        EXPECT_TRUE(Checked(page, c.clicked));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, SetupScreenTest,
    ::testing::Values(ScreenCase{"", CSetupScreen::kFullScreen, 0, ""},
                      ScreenCase{"SCREENMODE=\"0\"", CSetupScreen::kFullScreen, 0, "SCREENMODE=\"0\""},
                      ScreenCase{"SCREENMODE=\"1\"", CSetupScreen::kFullScreen, 1, "SCREENMODE=\"0\""},
                      ScreenCase{"SCREENMODE=\"0\"", CSetupScreen::kFixedScreen, 1, "SCREENMODE=\"1\""},
                      ScreenCase{"SCREENMODE=\"1\"", CSetupScreen::kFixedScreen, 0, "SCREENMODE=\"1\""}));

class SetupLanguageTest : public SetupTwinsTest {
protected:
    void InstallLanguages(const std::vector<std::wstring>& codes)
    {
        fs::create_directories(programFolder.Path() / "SysString");
        for (const std::wstring& code : codes)
            std::ofstream(programFolder.Path() / "SysString" / (L"STRRES." + code)) << "x";
    }
};

TEST_F(SetupLanguageTest, LanguagesAfterAGapInTheIdsStillApply)
{
    ResSetLanguageList({L"EN", L"CN", L"DE", L"TW", L"FR"});
    InstallLanguages({L"EN", L"DE", L"FR"});
    UseConfig("<LANGUAGE CURMODE=\"de\" /><SYSTEM SCREENMODE=\"1\" />");
    CSetupLanguage& page = Open<CSetupLanguage>();
    ASSERT_EQ(page.ButtonCount(), 3u);
    EXPECT_EQ(GetDlgCtrlID(page.ButtonAt(2)), 4004);
    EXPECT_EQ(page.RowCount(), 3) << "rows count every listed language";
    EXPECT_TRUE(IsDlgButtonChecked(page.Handle(), 4002)) << "the stored language, in any case";

    Click(page, 4002);
    EXPECT_EQ(restarts, 0) << "the current language: nothing stored, no restart";
    Click(page, 4004);
    EXPECT_EQ(restarts, 1);
    EXPECT_NE(StoredConfig().find("CURMODE=\"FR\""), std::string::npos) << StoredConfig();
}

TEST_F(SetupLanguageTest, ButtonsSitTwoABandAndScrollARowAtATime)
{
    std::vector<std::wstring> codes;
    for (int i = 0; i < 13; ++i)
        codes.push_back(L"L" + std::to_wstring(i));
    ResSetLanguageList(codes);
    InstallLanguages(codes);
    UseConfig("<LANGUAGE CURMODE=\"L0\" /><SYSTEM SCREENMODE=\"1\" />");
    CSetupLanguage& page = Open<CSetupLanguage>();
    EXPECT_EQ(page.RowCount(), 7);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page.Handle(), CSetupLanguage::kScrollBarId)));
    SetWindowPos(page.Handle(), nullptr, 400, 150, 500, 200, SWP_NOZORDER);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page.Handle(), CSetupLanguage::kScrollBarId)))
        << "the page was shorter than its rows";
    const RECT grown = page.WindowRect();
    EXPECT_EQ(grown.bottom - grown.top, 7 * kSetupBandHeight);
    EXPECT_EQ(grown.right - grown.left, 570);
    RECT inFrame = grown;
    MapWindowPoints(nullptr, frame->Handle(), reinterpret_cast<POINT*>(&inFrame), 2);
    EXPECT_EQ(inFrame.left, 400 - 307) << "fixed window size: no further shift, and only once";

    const auto top = [&](size_t index) {
        RECT rect = {};
        GetWindowRect(page.ButtonAt(index), &rect);
        MapWindowPoints(nullptr, page.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    EXPECT_EQ(top(0).left, 60);
    EXPECT_EQ(top(1).left, (page.ClientRect().right) / 2 + 30);
    EXPECT_EQ(top(2).top - top(0).top, kSetupBandHeight);

    SendMessageW(page.Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(page.ScrollPosition(), 1);
    EXPECT_FALSE(IsWindowVisible(page.ButtonAt(0)));
    EXPECT_EQ(top(2).top, (kSetupBandHeight - CSetupLanguage::kButtonHeight) / 2);
    SendMessageW(page.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 6), 0);
    EXPECT_EQ(page.ScrollPosition(), 5);
    SendMessageW(page.Handle(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    EXPECT_EQ(page.ScrollPosition(), 0);

    // A button on a white band is painted white, whatever the scroll position.
    HDC dc = GetDC(page.Handle());
    const HBRUSH first = reinterpret_cast<HBRUSH>(
        SendMessageW(page.Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(page.ButtonAt(2))));
    const HBRUSH again = reinterpret_cast<HBRUSH>(
        SendMessageW(page.Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(page.ButtonAt(2))));
    EXPECT_EQ(GetBkColor(dc), kSetupWhiteBand);
    EXPECT_EQ(first, again) << "one brush for every request";
    ReleaseDC(page.Handle(), dc);
}

TEST_F(SetupTwinsTest, TheStripedPagesPaintTheirBands)
{
    UseConfig("<SYSTEM SCREENMODE=\"0\" />");
    CSetupScreen& page = Open<CSetupScreen>();
    EXPECT_EQ(PixelAt(page, 100, 5), kSetupGreyBand) << "the first band";
    EXPECT_EQ(PixelAt(page, 100, 40), kSetupWhiteBand);
    EXPECT_EQ(PixelAt(page, 10, 40), RGB(0xE0, 0xE0, 0xE0)) << "the margin";
    EXPECT_EQ(PixelAt(page, 30, 40), RGB(0xA0, 0xA0, 0xA0));
    EXPECT_EQ(PixelAt(page, page.ClientRect().right / 2, 40), RGB(0xA0, 0xA0, 0xA0));
    KeepSnapshot(L"setup_screen_twin.png");
}

// The link page, with the stand-in wireless library and the loopback module.
class LinkModePageTest : public SetupTwinsTest {
protected:
    void SetUp() override
    {
        SetupTwinsTest::SetUp();
        savedEndpoint = WifiModuleEndpoint();
        WifiModuleEndpoint().port = module.Port();
        WifiModuleEndpoint().transferTimeoutMs = 2000;
        SetWlanLibraryPath((BuildProgramFolder() / "wlan" / "wlanapi.dll").wstring());
        wlanLog = programFolder.Path() / "wlan.log";
        SetEnvironmentVariableW(L"WLAN_STANDIN_LOG", wlanLog.c_str());
        // The module's own network, connected; a second one the module may be renamed to.
        SetEnvironmentVariableW(L"WLAN_STANDIN_NETWORKS", L"92 1 1 1 50656C67726964\n64 0 1 0 4261792637");
    }
    void TearDown() override
    {
        WifiModuleEndpoint() = savedEndpoint;
        SetWlanLibraryPath(L"");
        SetEnvironmentVariableW(L"WLAN_STANDIN_LOG", nullptr);
        SetEnvironmentVariableW(L"WLAN_STANDIN_NETWORKS", nullptr);
        SetupTwinsTest::TearDown();
    }

    CSetupLinkMode& OpenLinkPage(bool usb = false)
    {
        return Open<CSetupLinkMode>([this, usb](CSetupLinkMode& page) { page.SetServices(Services(usb)); });
    }
    LINK_MODE_SERVICES Services(bool usb)
    {
        LINK_MODE_SERVICES services = CSetupLinkMode::SystemServices();
        services.hasUsbSerialPort = [usb] { return usb; };
        services.wait = [this](unsigned ms) { waited += ms; };
        services.wlan.wait = services.wait;
        const WIFI_MODULE_LINK link = SystemWifiModuleLink();
        services.moduleLink = [link, this] {
            WIFI_MODULE_LINK quick = link;
            quick.wait = [this](unsigned ms) { waited += ms; };
            return quick;
        };
        return services;
    }
    // Apply, then the tick it arms (sent at once: the work is what is tested, not the timer).
    void Apply(CSetupLinkMode& page)
    {
        page.Apply();
        SendMessageW(page.Handle(), WM_TIMER, CSetupLinkMode::kApplyTimer, 0);
    }
    std::wstring Text(CSetupLinkMode& page, int id)
    {
        wchar_t text[128] = {};
        GetDlgItemTextW(page.Handle(), id, text, 128);
        return text;
    }
    void Enter(CSetupLinkMode& page, const wchar_t* ssid) { SetDlgItemTextW(page.Handle(), CSetupLinkMode::kSsidEdit, ssid); }
    std::wstring InfoText() { return frame->HelpInfoBar().GetInfoText(); }

    CLoopbackWifiModule module;
    WIFI_MODULE_ENDPOINT savedEndpoint;
    fs::path wlanLog;
    unsigned waited = 0;
};

TEST_F(LinkModePageTest, TheCableHidesTheWirelessRows)
{
    UseConfig("<WIFI SSID=\"Pelgrid\" />");
    CSetupLinkMode& page = OpenLinkPage(true);
    EXPECT_EQ(Text(page, CSetupLinkMode::kModeText), L"USB");
    EXPECT_EQ(Text(page, CSetupLinkMode::kModeLabel), L"Link Mode");
    for (const int id : {CSetupLinkMode::kSsidEdit, CSetupLinkMode::kSignalText, CSetupLinkMode::kSsidLabel})
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page.Handle(), id))) << id;
}

TEST_F(LinkModePageTest, RenamingTheModuleSendsItsFormsStoresTheNameAndJoinsTheNetwork)
{
    UseConfig("<WIFI />");
    CSetupLinkMode& page = OpenLinkPage();
    EXPECT_EQ(Text(page, CSetupLinkMode::kModeText), L"WIFI");
    EXPECT_EQ(Text(page, CSetupLinkMode::kSsidEdit), L"Pelgrid") << "this page's own default";
    EXPECT_EQ(Text(page, CSetupLinkMode::kSignalText), L"Unknown");

    Apply(page);
    EXPECT_EQ(page.ConnectionState(), 3);
    EXPECT_EQ(Text(page, CSetupLinkMode::kSignalText), L"Strong");
    EXPECT_EQ(InfoText(), L"Already connected.");
    EXPECT_TRUE(module.Requests().empty()) << "the same name: the module is left alone";
    KeepSnapshot(L"setup_link_mode.png");

    Enter(page, L"Bay&7");
    Apply(page);
    const std::vector<MODULE_REQUEST> requests = module.Requests();
    ASSERT_EQ(requests.size(), 3u);
    const char* forms[] = {"ssid", "security", "restart"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(requests[i].form, forms[i]);
        EXPECT_EQ(requests[i].fault, "");
    }
    EXPECT_EQ(requests[0].ssid, "Bay&7");
    EXPECT_NE(StoredConfig().find("SSID=\"Bay&amp;7\""), std::string::npos) << StoredConfig();
    const std::string wlan = ReadFileBytes(wlanLog);
    EXPECT_NE(wlan.find("<name>Bay&amp;7</name>"), std::string::npos) << wlan;
    EXPECT_NE(wlan.find("<encryption>TKIP</encryption>"), std::string::npos);
    EXPECT_NE(wlan.find("<keyMaterial>59317246</keyMaterial>"), std::string::npos);
    EXPECT_NE(wlan.find("connect mode=0 profile=Bay&7 ssid=4261792637"), std::string::npos);
    EXPECT_EQ(page.ConnectionState(), 3);
    EXPECT_EQ(Text(page, CSetupLinkMode::kSignalText), L"Medium");
    EXPECT_EQ(InfoText(), L"Already connected.");
    EXPECT_EQ(waited, 20000u + 10000u + 20000u) << "restart, one profile retry wait, the connection";
}

TEST_F(LinkModePageTest, AModuleThatOnlyRedirectsKeepsItsNameAndSaysSo)
{
    UseConfig("<WIFI SSID=\"Pelgrid\" />");
    CSetupLinkMode& page = OpenLinkPage();
    Apply(page);
    ASSERT_EQ(page.ConnectionState(), 3);
    CLoopbackWifiModule redirecting(std::vector<MODULE_ANSWER>(5, MODULE_ANSWER{302}));
    WifiModuleEndpoint().port = redirecting.Port();
    const std::string before = StoredConfig();
    Enter(page, L"Bay&7");
    Apply(page);
    EXPECT_EQ(redirecting.Requests().size(), 5u) << "the name form five times, nothing after it";
    EXPECT_EQ(InfoText(), L"Failed to set new SSID");
    EXPECT_EQ(Text(page, CSetupLinkMode::kSsidEdit), L"Pelgrid");
    EXPECT_EQ(StoredConfig(), before);
}

// An installation whose "Config.xml" has no Wi-Fi element cannot keep a name: the module is renamed
// all the same, and the page says that the name was not saved.
TEST_F(LinkModePageTest, ARenamedModuleWhoseNameCannotBeSavedSaysSo)
{
    UseConfig("<SYSTEM SCREENMODE=\"0\" />");
    const std::string before = StoredConfig();
    CSetupLinkMode& page = OpenLinkPage();
    Apply(page);
    ASSERT_EQ(page.ConnectionState(), 3);
    Enter(page, L"Bay&7");
    Apply(page);
    EXPECT_EQ(module.Requests().size(), 3u);
    EXPECT_EQ(InfoText(), L"The new SSID could not be saved in \"Config.xml\".");
    EXPECT_EQ(StoredConfig(), before);
    EXPECT_EQ(Text(page, CSetupLinkMode::kSsidEdit), L"Bay&7") << "the name the module now has";
    KeepSnapshot(L"setup_link_mode_not_saved.png");
}

TEST_F(LinkModePageTest, ANameOfTwelveCharactersIsRefusedBeforeAnythingIsSent)
{
    UseConfig("<WIFI SSID=\"Pelgrid\" />");
    CSetupLinkMode& page = OpenLinkPage();
    Enter(page, L"ABCDEFGHIJKL");
    Apply(page);
    EXPECT_EQ(InfoText(), L"Error: SSID can not include more than 11 character");
    EXPECT_TRUE(ReadFileBytes(wlanLog).empty());
    EXPECT_TRUE(module.Requests().empty());
}

}  // namespace
