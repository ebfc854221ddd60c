#include "WlanHelper.h"

#include <utility>

#include "WlanProfile.h"

namespace {

constexpr uint32_t kErrorNotFound = 1168;

const WLAN_NETWORK_ENTRY* FindNetwork(const std::vector<WLAN_NETWORK_ENTRY>& networks, const std::string& ssid)
{
    for (const WLAN_NETWORK_ENTRY& network : networks) {
        if (network.ssid == ssid)
            return &network;
    }
    return nullptr;
}

}  // namespace

WlanHelper::WlanHelper(WLAN_SERVICES services) : m_services(std::move(services)) {}

std::wstring WlanHelper::ProfileFor(const WLAN_NETWORK_ENTRY& network, WLAN_KEY_SOURCE keys) const
{
    const std::wstring name = m_services.widen ? m_services.widen(network.ssid) : std::wstring();
    const WLAN_PROFILE_SECURITY security = keys == WLAN_KEY_SOURCE::ConfiguredModule
                                               ? ConfiguredModuleSecurity(network.securityEnabled)
                                               : FactoryModuleSecurity(name, network.securityEnabled);
    return BuildWlanProfileXml(network.ssid, name, security);
}

// A network without a profile of its own is listed without a name; the profile just set for it
// carries the network's name, and a connection by profile needs one.
WLAN_CONNECT_REQUEST WlanHelper::RequestFor(const WLAN_NETWORK_ENTRY& network, WLAN_CONNECT_MODE mode) const
{
    std::wstring profile = network.profileName;
    if (profile.empty() && m_services.widen)
        profile = m_services.widen(network.ssid);
    return {mode, profile, network.ssid, network.bssType, m_services.hiddenNetworkFlag};
}

int WlanHelper::WlanConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys)
{
    m_quality = 0;
    const std::unique_ptr<IWlanSession> session = m_services.open ? m_services.open() : nullptr;
    if (!session)
        return kWlanNotFound;
    const std::optional<size_t> interfaces = session->InterfaceCount();
    if (!interfaces || *interfaces == 0)
        return kWlanNotFound;
    for (size_t index = 0; index < *interfaces; ++index) {
        const auto networks = session->Networks(index);
        if (!networks)
            return kWlanNotFound;
        const WLAN_NETWORK_ENTRY* network = FindNetwork(*networks, ssid);
        if (!network)
            continue;
        m_quality = network->signalQuality;
        if (network->connected)
            return kWlanConnected;
        const bool profileSet = session->SetProfile(index, ProfileFor(*network, keys));
        if (mode == kWlanSetProfileOnly)
            return profileSet ? kWlanProfileSet : kWlanProfileRefused;
        const uint32_t answer = session->Connect(index, RequestFor(*network, WLAN_CONNECT_MODE::Profile));
        if (answer != 0 && answer != kErrorNotFound)
            return kWlanRefused;
        if (m_services.wait)
            m_services.wait(kConnectWaitMs);
        return kWlanConnected;
    }
    return kWlanNotFound;
}

int WlanHelper::JoinOnInterface(IWlanSession& session, size_t interfaceIndex, const WLAN_NETWORK_ENTRY& network)
{
    if (network.connected)
        return kWlanConnected;
    if (network.hasProfile) {
        return session.Connect(interfaceIndex, RequestFor(network, WLAN_CONNECT_MODE::Profile)) == 0 ? kWlanConnected
                                                                                                    : kWlanRefused;
    }
    if (!session.SetProfile(interfaceIndex, ProfileFor(network, WLAN_KEY_SOURCE::FactoryModule)))
        return kWlanProfileRefused;
    return session.Connect(interfaceIndex, RequestFor(network, WLAN_CONNECT_MODE::Auto)) == 0 ? kWlanConnected
                                                                                             : kWlanRefused;
}

int WlanHelper::WriteWlanProfile(const std::string& ssid)
{
    m_quality = 0;
    int result = kWlanNotFound;
    const std::unique_ptr<IWlanSession> session = m_services.open ? m_services.open() : nullptr;
    if (!session)
        return result;
    const std::optional<size_t> interfaces = session->InterfaceCount();
    for (size_t index = 0; interfaces && index < *interfaces; ++index) {
        const auto networks = session->Networks(index);
        if (!networks)
            return result;
        const WLAN_NETWORK_ENTRY* network = FindNetwork(*networks, ssid);
        if (!network)
            continue;
        m_quality = network->signalQuality;
        result = JoinOnInterface(*session, index, *network);
        if (result == kWlanConnected && network->connected)
            break;
    }
    return result;
}
