// The WLAN profile and the joining of a network, over a fake wireless service.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "WlanHelper.h"
#include "WlanProfile.h"

namespace {

std::wstring Ascii(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

struct KeyCase {
    const char* ssid;
    bool secured;
    const wchar_t* cipher;
    const wchar_t* key;
};

class FactoryKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FactoryKeyTest, UsesTheLastEightCharactersOrTheShellsKey)
{
    const KeyCase& c = GetParam();
    const WLAN_PROFILE_SECURITY security = FactoryModuleSecurity(Ascii(c.ssid), c.secured);
    EXPECT_EQ(security.secured, c.secured);
    EXPECT_EQ(security.cipher, c.cipher);
    EXPECT_EQ(security.passPhrase, c.key);
}

INSTANTIATE_TEST_SUITE_P(Names, FactoryKeyTest,
                         ::testing::Values(KeyCase{"Pelgrid", true, L"AES", L"59317246"},
                                           KeyCase{"Workshop", true, L"AES", L"Workshop"},
                                           KeyCase{"Nuthawk123", true, L"AES", L"thawk123"},
                                           KeyCase{"Nuthawk123", false, L"", L""}));

TEST(WlanProfileTest, AConfiguredModuleGetsTheCipherAndKeyOfItsSecurityForm)
{
    const WLAN_PROFILE_SECURITY security = ConfiguredModuleSecurity(true);
    EXPECT_EQ(security.cipher, L"TKIP");
    EXPECT_EQ(security.passPhrase, L"59317246");
    EXPECT_FALSE(ConfiguredModuleSecurity(false).secured);
}

TEST(WlanProfileTest, ASecuredProfileIsTheWholeDocumentInOneLine)
{
    const std::wstring xml = BuildWlanProfileXml("Pelgrid", L"Pelgrid", {true, L"TKIP", L"59317246"});
    EXPECT_EQ(xml,
              L"<?xml version=\"1.0\"?><WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">"
              L"<name>Pelgrid</name><SSIDConfig><SSID><name>Pelgrid</name></SSID></SSIDConfig>"
              L"<connectionType>ESS</connectionType><connectionMode>auto</connectionMode><autoSwitch>true</autoSwitch>"
              L"<MSM><security><authEncryption><authentication>WPA2PSK</authentication><encryption>TKIP</encryption>"
              L"<useOneX>false</useOneX></authEncryption><sharedKey><keyType>passPhrase</keyType>"
              L"<protected>false</protected><keyMaterial>59317246</keyMaterial></sharedKey>"
              L"</security></MSM></WLANProfile>");
}

TEST(WlanProfileTest, AnOpenNetworkGetsNoKeyAndNoEncryption)
{
    const std::wstring xml = BuildWlanProfileXml("Pelgrid", L"Pelgrid", {});
    EXPECT_NE(xml.find(L"<authentication>open</authentication><encryption>none</encryption>"), std::wstring::npos);
    EXPECT_EQ(xml.find(L"sharedKey"), std::wstring::npos);
    EXPECT_EQ(xml.find(L"WEP"), std::wstring::npos);
}

TEST(WlanProfileTest, MarkupInTheNameOrKeyIsEscaped)
{
    const std::wstring xml = BuildWlanProfileXml("A&<B>\"'", L"A&<B>\"'", {true, L"AES", L"k<&>"});
    EXPECT_NE(xml.find(L"<name>A&amp;&lt;B&gt;&quot;&apos;</name>"), std::wstring::npos);
    EXPECT_NE(xml.find(L"<keyMaterial>k&lt;&amp;&gt;</keyMaterial>"), std::wstring::npos);
    EXPECT_EQ(xml.find(L"A&<"), std::wstring::npos);
}

TEST(WlanProfileTest, ANameBeyondAsciiAlsoCarriesItsBytes)
{
    const std::wstring xml = BuildWlanProfileXml("Caf\xC3\xA9", L"Caf\u00E9", {});
    EXPECT_NE(xml.find(L"<SSID><hex>436166C3A9</hex><name>Caf\u00E9</name></SSID>"), std::wstring::npos);
    EXPECT_EQ(BuildWlanProfileXml("Cafe", L"Cafe", {}).find(L"<hex>"), std::wstring::npos);
}

// A wireless service with one list of networks per interface; it records what it was asked.
class CFakeWlanSession : public IWlanSession {
public:
    struct STATE {
        std::optional<std::vector<std::vector<WLAN_NETWORK_ENTRY>>> interfaces;
        bool profileAccepted = true;
        uint32_t connectAnswer = 0;
        std::vector<std::wstring> profiles;
        std::vector<WLAN_CONNECT_REQUEST> connects;
    };
    explicit CFakeWlanSession(STATE& state) : m_state(state) {}
    std::optional<size_t> InterfaceCount() override
    {
        if (!m_state.interfaces)
            return std::nullopt;
        return m_state.interfaces->size();
    }
    std::optional<std::vector<WLAN_NETWORK_ENTRY>> Networks(size_t index) override
    {
        return (*m_state.interfaces)[index];
    }
    bool SetProfile(size_t, const std::wstring& xml) override
    {
        m_state.profiles.push_back(xml);
        return m_state.profileAccepted;
    }
    uint32_t Connect(size_t, const WLAN_CONNECT_REQUEST& request) override
    {
        m_state.connects.push_back(request);
        return m_state.connectAnswer;
    }

private:
    STATE& m_state;
};

WLAN_NETWORK_ENTRY Network(const std::string& ssid, uint32_t quality, bool secured = true, bool connected = false)
{
    WLAN_NETWORK_ENTRY network;
    network.ssid = ssid;
    network.signalQuality = quality;
    network.securityEnabled = secured;
    network.connected = connected;
    network.profileName = Ascii(ssid);
    return network;
}

class WlanHelperTest : public ::testing::Test {
protected:
    WLAN_SERVICES Services(bool serviceThere = true)
    {
        WLAN_SERVICES services;
        services.open = [this, serviceThere]() -> std::unique_ptr<IWlanSession> {
            if (!serviceThere)
                return nullptr;
            return std::make_unique<CFakeWlanSession>(state);
        };
        services.wait = [this](unsigned ms) { waited += ms; };
        services.widen = [](const std::string& ssid) { return Ascii(ssid); };
        return services;
    }
    CFakeWlanSession::STATE state;
    unsigned waited = 0;
};

struct ConnectCase {
    const char* name;
    bool serviceThere;
    bool listed;                      // false: the interface list cannot be read
    std::vector<WLAN_NETWORK_ENTRY> networks;
    int mode;
    bool profileAccepted;
    uint32_t connectAnswer;
    int result;
    uint32_t quality;
    size_t profiles;
    size_t connects;
    unsigned waited;
};

class WlanConnectSsidTest : public WlanHelperTest, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(WlanConnectSsidTest, GivesTheCodeOfEachOutcome)
{
    const ConnectCase& c = GetParam();
    if (c.listed)
        state.interfaces = std::vector<std::vector<WLAN_NETWORK_ENTRY>>{c.networks};
    state.profileAccepted = c.profileAccepted;
    state.connectAnswer = c.connectAnswer;
    WlanHelper helper(Services(c.serviceThere));
    EXPECT_EQ(helper.WlanConnectSsid("Pelgrid", c.mode), c.result);
    EXPECT_EQ(helper.GetSignalQuality(), c.quality);
    EXPECT_EQ(state.profiles.size(), c.profiles);
    EXPECT_EQ(state.connects.size(), c.connects);
    EXPECT_EQ(waited, c.waited);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, WlanConnectSsidTest,
    ::testing::Values(
        ConnectCase{"NoService", false, true, {}, 7, true, 0, 0, 0, 0, 0, 0},
        ConnectCase{"NoList", true, false, {}, 7, true, 0, 0, 0, 0, 0, 0},
        ConnectCase{"NotSeen", true, true, {Network("Other", 70)}, 7, true, 0, 0, 0, 0, 0, 0},
        ConnectCase{"NameDiffersInCase", true, true, {Network("pelgrid", 70)}, 7, true, 0, 0, 0, 0, 0, 0},
        ConnectCase{"AlreadyConnected", true, true, {Network("Pelgrid", 91, true, true)}, 7, true, 0, 3, 91, 0, 0, 0},
        ConnectCase{"Accepted", true, true, {Network("Pelgrid", 60)}, 7, true, 0, 3, 60, 1, 1, 20000},
        ConnectCase{"NotFoundCountsAsAccepted", true, true, {Network("Pelgrid", 60)}, 7, true, 1168, 3, 60, 1, 1, 20000},
        ConnectCase{"Refused", true, true, {Network("Pelgrid", 60)}, 7, true, 5, 4, 60, 1, 1, 0},
        ConnectCase{"ProfileSet", true, true, {Network("Pelgrid", 40)}, 6, true, 0, 8, 40, 1, 0, 0},
        ConnectCase{"ProfileRefused", true, true, {Network("Pelgrid", 40)}, 6, false, 0, 9, 40, 1, 0, 0}),
    [](const auto& entry) { return std::string(entry.param.name); });

TEST_F(WlanHelperTest, ConnectsByProfileWithTheListedNameAndTheHiddenFlag)
{
    state.interfaces = std::vector<std::vector<WLAN_NETWORK_ENTRY>>{{}, {Network("Pelgrid", 60)}};
    WlanHelper helper(Services());
    ASSERT_EQ(helper.WlanConnectSsid("Pelgrid", 7), 3);
    ASSERT_EQ(state.connects.size(), 1u);
    EXPECT_EQ(state.connects[0].mode, WLAN_CONNECT_MODE::Profile);
    EXPECT_EQ(state.connects[0].profileName, L"Pelgrid");
    EXPECT_EQ(state.connects[0].ssid, "Pelgrid");
    EXPECT_TRUE(state.connects[0].hiddenNetwork);
}

TEST_F(WlanHelperTest, TheKeySourceChoosesTheProfilesSecurity)
{
    state.interfaces = std::vector<std::vector<WLAN_NETWORK_ENTRY>>{{Network("Workshop12", 60)}};
    WlanHelper helper(Services());
    helper.WlanConnectSsid("Workshop12", 6, WLAN_KEY_SOURCE::FactoryModule);
    helper.WlanConnectSsid("Workshop12", 6, WLAN_KEY_SOURCE::ConfiguredModule);
    ASSERT_EQ(state.profiles.size(), 2u);
    EXPECT_NE(state.profiles[0].find(L"<encryption>AES</encryption>"), std::wstring::npos);
    EXPECT_NE(state.profiles[0].find(L"<keyMaterial>rkshop12</keyMaterial>"), std::wstring::npos);
    EXPECT_NE(state.profiles[1].find(L"<encryption>TKIP</encryption>"), std::wstring::npos);
    EXPECT_NE(state.profiles[1].find(L"<keyMaterial>59317246</keyMaterial>"), std::wstring::npos);
}

TEST_F(WlanHelperTest, WriteWlanProfileKeepsAnExistingProfileAndOtherwiseConnectsAutomatically)
{
    WLAN_NETWORK_ENTRY known = Network("Pelgrid", 50);
    known.hasProfile = true;
    state.interfaces = std::vector<std::vector<WLAN_NETWORK_ENTRY>>{{known}, {Network("Pelgrid", 70)}};
    WlanHelper helper(Services());
    EXPECT_EQ(helper.WriteWlanProfile("Pelgrid"), 3);
    EXPECT_EQ(state.profiles.size(), 1u) << "only the interface without a profile gets one";
    ASSERT_EQ(state.connects.size(), 2u);
    EXPECT_EQ(state.connects[0].mode, WLAN_CONNECT_MODE::Profile);
    EXPECT_EQ(state.connects[1].mode, WLAN_CONNECT_MODE::Auto);
    EXPECT_EQ(waited, 0u);
}

}  // namespace

namespace {

TEST_F(WlanHelperTest, ANetworkListedWithoutAProfileIsJoinedByTheProfileJustSet)
{
    WLAN_NETWORK_ENTRY fresh = Network("Bay7", 60);
    fresh.profileName.clear();
    state.interfaces = std::vector<std::vector<WLAN_NETWORK_ENTRY>>{{fresh}};
    WlanHelper helper(Services());
    ASSERT_EQ(helper.WlanConnectSsid("Bay7", 7), 3);
    ASSERT_EQ(state.connects.size(), 1u);
    EXPECT_EQ(state.connects[0].profileName, L"Bay7");
}

}  // namespace
