// Applying the link-mode page, with its controls, the wireless service and the module faked.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "LinkModeApply.h"
#include "StringResources.h"

namespace {

struct CONNECT_CALL {
    std::string ssid;
    int mode;
    WLAN_KEY_SOURCE keys;
};

class CFakeLinkModePage : public ILinkModePage {
public:
    bool usb = false;
    std::wstring stored = L"Pelgrid";
    std::wstring entered;
    std::wstring layout;
    std::wstring signal = L"Unknown";
    std::vector<std::wstring> messages;
    std::vector<std::wstring> stores;
    std::vector<CONNECT_CALL> connects;
    std::vector<std::string> configured;
    std::vector<unsigned> waits;
    bool narrowWorks = true;
    bool storeWorks = true;
    int moduleAnswer = 1;
    // What the wireless service answers: the result and the quality for each call.
    std::function<int(const CONNECT_CALL&, uint32_t&)> connect = [](const CONNECT_CALL&, uint32_t&) { return 0; };

    bool HasUsbSerialPort() override { return usb; }
    std::wstring StoredSsid() override { return stored; }
    bool StoreSsid(const std::wstring& ssid) override
    {
        stores.push_back(ssid);
        if (storeWorks)
            stored = ssid;
        return storeWorks;
    }
    std::wstring EnteredSsid() override { return entered; }
    void ShowUsbLayout() override { layout = L"USB"; }
    void ShowWifiLayout(const std::wstring& ssid) override
    {
        layout = L"WIFI";
        entered = ssid;
        signal = L"Unknown";
    }
    void SetEnteredSsid(const std::wstring& ssid) override { entered = ssid; }
    void SetSignalText(const std::wstring& text) override { signal = text; }
    void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
    std::optional<std::string> Narrow(const std::wstring& ssid) override
    {
        if (!narrowWorks)
            return std::nullopt;
        return std::string(ssid.begin(), ssid.end());
    }
    int ConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys, uint32_t& quality) override
    {
        connects.push_back({ssid, mode, keys});
        quality = 0;
        return connect(connects.back(), quality);
    }
    int ConfigureModule(const std::string& ssid) override
    {
        configured.push_back(ssid);
        return moduleAnswer;
    }
    void Wait(unsigned milliseconds) override { waits.push_back(milliseconds); }

    std::wstring LastMessage() const { return messages.empty() ? std::wstring() : messages.back(); }
};

class LinkModeApplyTest : public ::testing::Test {
protected:
    void SetUp() override { ResFreeStrings(); }

    // A network the PC is joined to once asked to connect, with this quality.
    static int Joins(const CONNECT_CALL& call, uint32_t& quality, uint32_t seen)
    {
        quality = seen;
        return call.mode == kWlanSetProfileOnly ? kWlanProfileSet : kWlanConnected;
    }
    // Runs once with the module's own network connected, so the next apply reconfigures it.
    void Connect()
    {
        page.connect = [](const CONNECT_CALL&, uint32_t& quality) {
            quality = 90;
            return kWlanConnected;
        };
        apply.Run(page);
        ASSERT_EQ(apply.State(), kWlanConnected);
        page.messages.clear();
        page.connects.clear();
    }

    CFakeLinkModePage page;
    CLinkModeApply apply;
};

TEST_F(LinkModeApplyTest, TheUsbCableNeedsNoNetwork)
{
    page.usb = true;
    apply.Run(page);
    EXPECT_EQ(page.layout, L"USB");
    EXPECT_EQ(page.LastMessage(), L"Already connected.");
    EXPECT_TRUE(page.connects.empty());
}

struct NameCase {
    const wchar_t* entered;
    bool accepted;
};

class LinkModeNameTest : public LinkModeApplyTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(LinkModeNameTest, NamesLongerThanElevenCharactersAreRefused)
{
    page.entered = GetParam().entered;
    apply.Run(page);
    EXPECT_EQ(!page.connects.empty(), GetParam().accepted);
    if (!GetParam().accepted) {
        EXPECT_EQ(page.LastMessage(), L"Error: SSID can not include more than 11 character");
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, LinkModeNameTest,
                         ::testing::Values(NameCase{L"", true}, NameCase{L"ABCDEFGHIJK", true},
                                           NameCase{L"ABCDEFGHIJKL", false}));

TEST_F(LinkModeApplyTest, AnEmptyBoxAppliesTheStoredName)
{
    apply.Run(page);
    EXPECT_EQ(page.entered, L"Pelgrid");
    ASSERT_FALSE(page.connects.empty());
    EXPECT_EQ(page.connects[0].ssid, "Pelgrid");
    EXPECT_EQ(page.connects[0].mode, kWlanSetProfileAndConnect) << "the same name sets no profile first";
}

TEST_F(LinkModeApplyTest, ANameTheCodePageCannotCarryIsNeverSent)
{
    page.entered = L"Caf\u00E9";
    page.narrowWorks = false;
    apply.Run(page);
    EXPECT_TRUE(page.connects.empty());
    EXPECT_EQ(page.LastMessage(), L"Failed to set new SSID");
}

TEST_F(LinkModeApplyTest, NoNetworkOfThatNameIsSaidAfterThreePasses)
{
    page.entered = L"Elsewhere";
    apply.Run(page);
    EXPECT_EQ(page.connects.size(), 6u) << "each pass sets the profile, then connects";
    EXPECT_EQ(apply.State(), kWlanNotFound);
    EXPECT_EQ(page.LastMessage(), L"Can not find the USB or WIFI signal.");
    EXPECT_TRUE(page.stores.empty());
}

TEST_F(LinkModeApplyTest, JoiningARenamedNetworkStoresItAndTellsTheSignal)
{
    page.entered = L"Bay7";
    page.connect = [](const CONNECT_CALL& call, uint32_t& quality) { return Joins(call, quality, 85); };
    apply.Run(page);
    EXPECT_EQ(apply.State(), kWlanConnected);
    EXPECT_EQ(page.stored, L"Bay7");
    EXPECT_EQ(page.signal, L"Strong");
    EXPECT_EQ(page.LastMessage(), L"Already connected.");
    for (const CONNECT_CALL& call : page.connects)
        EXPECT_EQ(call.keys, WLAN_KEY_SOURCE::FactoryModule);
}

TEST_F(LinkModeApplyTest, SignalTextsFollowTheQuality)
{
    EXPECT_EQ(CLinkModeApply::SignalText(81), L"Strong");
    EXPECT_EQ(CLinkModeApply::SignalText(80), L"Medium");
    EXPECT_EQ(CLinkModeApply::SignalText(50), L"Medium");
    EXPECT_EQ(CLinkModeApply::SignalText(49), L"Weak");
}

TEST_F(LinkModeApplyTest, AFailedModuleSetUpKeepsItsMessageAndTheOldName)
{
    Connect();
    page.entered = L"Bay7";
    page.moduleAnswer = 0;
    apply.Run(page);
    EXPECT_EQ(page.configured, std::vector<std::string>{"Bay7"});
    EXPECT_EQ(page.LastMessage(), L"Failed to set new SSID");
    EXPECT_EQ(page.entered, L"Pelgrid");
    EXPECT_EQ(page.stored, L"Pelgrid");
    EXPECT_TRUE(page.connects.empty());
}

TEST_F(LinkModeApplyTest, ARenamedModuleIsJoinedWithTheKeyItWasGiven)
{
    Connect();
    page.entered = L"Workshop12";
    int tries = 0;
    page.connect = [&tries](const CONNECT_CALL& call, uint32_t& quality) {
        quality = 45;
        if (call.mode == kWlanSetProfileOnly)
            return kWlanProfileSet;
        return ++tries < 2 ? kWlanRefused : kWlanConnected;
    };
    apply.Run(page);
    EXPECT_EQ(page.stored, L"Workshop12");
    EXPECT_EQ(apply.State(), kWlanConnected);
    EXPECT_EQ(page.waits, (std::vector<unsigned>{10000, 10000}));
    EXPECT_EQ(page.signal, L"Weak");
    EXPECT_EQ(page.LastMessage(), L"Already connected.");
    for (const CONNECT_CALL& call : page.connects)
        EXPECT_EQ(call.keys, WLAN_KEY_SOURCE::ConfiguredModule);
}

TEST_F(LinkModeApplyTest, AProfileTheSystemRefusesIsSaidButTheNewNameStaysStored)
{
    Connect();
    page.entered = L"Bay7";
    page.connect = [](const CONNECT_CALL&, uint32_t&) { return kWlanProfileRefused; };
    apply.Run(page);
    EXPECT_EQ(page.stored, L"Bay7");
    EXPECT_EQ(page.LastMessage(), L"Failed to set SSID profile.");
    EXPECT_NE(apply.State(), kWlanConnected);
}

TEST_F(LinkModeApplyTest, ARestartedModuleThatIsNotSeenAsksForAPowerCycle)
{
    Connect();
    page.entered = L"Bay7";
    page.connect = [](const CONNECT_CALL&, uint32_t&) { return kWlanNotFound; };
    apply.Run(page);
    EXPECT_EQ(page.LastMessage(),
              L"Can not find the USB or WIFI signal.Please let the Oskel power-off then power-on,and try again");
}

TEST_F(LinkModeApplyTest, TheSameNameWhileConnectedOnlyTellsTheSignal)
{
    Connect();
    apply.Run(page);
    EXPECT_TRUE(page.configured.empty());
    EXPECT_TRUE(page.connects.empty());
    EXPECT_EQ(page.LastMessage(), L"Already connected.");
}

// A new name the network or the module took but "Config.xml" did not keep is said, after the
// outcome, whichever road stored it.
struct UnsavedCase {
    const char* name;
    bool reconfigure;  // the module's network was joined before, so the module is renamed
    std::vector<std::wstring> lastMessages;
};

void PrintTo(const UnsavedCase& c, std::ostream* out) { *out << c.name; }

class LinkModeUnsavedTest : public LinkModeApplyTest, public ::testing::WithParamInterface<UnsavedCase> {};

TEST_P(LinkModeUnsavedTest, AFailedStoreOfTheNewNameIsSaid)
{
    if (GetParam().reconfigure)
        Connect();
    page.entered = L"Bay7";
    page.storeWorks = false;
    page.connect = [](const CONNECT_CALL& call, uint32_t& quality) { return Joins(call, quality, 85); };
    apply.Run(page);
    EXPECT_FALSE(page.stores.empty());
    EXPECT_EQ(page.stored, L"Pelgrid");
    EXPECT_EQ(apply.State(), kWlanConnected);
    ASSERT_GE(page.messages.size(), GetParam().lastMessages.size());
    EXPECT_EQ(std::vector<std::wstring>(page.messages.end() - static_cast<std::ptrdiff_t>(GetParam().lastMessages.size()),
                                        page.messages.end()),
              GetParam().lastMessages);
}

INSTANTIATE_TEST_SUITE_P(Roads, LinkModeUnsavedTest, ::testing::Values(
    UnsavedCase{"joining_a_renamed_network", false,
                {L"Already connected.", L"The new SSID could not be saved in \"Config.xml\"."}},
    UnsavedCase{"renaming_the_module", true,
                {L"Already connected.", L"The new SSID could not be saved in \"Config.xml\"."}}),
    [](const ::testing::TestParamInfo<UnsavedCase>& param) { return std::string(param.param.name); });

TEST_F(LinkModeApplyTest, AStoreThatWorksAgainSaysNothingMore)
{
    page.entered = L"Bay7";
    page.storeWorks = false;
    page.connect = [](const CONNECT_CALL& call, uint32_t& quality) { return Joins(call, quality, 85); };
    apply.Run(page);
    page.storeWorks = true;
    page.messages.clear();
    apply.Run(page);
    EXPECT_EQ(page.stored, L"Bay7");
    EXPECT_EQ(page.LastMessage(), L"Already connected.");
}

}  // namespace
