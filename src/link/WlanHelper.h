#pragma once
// Joins the PC to the interface's wireless network: finds the network by name, sets a profile for
// it and connects. Made for one operation; it keeps the signal quality of the network it found.
#include <cstdint>
#include <string>

#include "WlanSession.h"

// Results of WlanConnectSsid, also the link page's connection state.
enum : int {
    kWlanNotFound = 0,        // no service, no interface, no list, or no such network
    kWlanConnected = 3,       // already connected, or the request was accepted
    kWlanRefused = 4,         // the connection request was refused
    kWlanProfileSet = 8,      // mode 6: the profile was set
    kWlanProfileRefused = 9,  // mode 6: the profile could not be set
};

// Mode 6 sets the profile only; mode 7 also connects.
enum : int { kWlanSetProfileOnly = 6, kWlanSetProfileAndConnect = 7 };

// Whose security the profile carries.
enum class WLAN_KEY_SOURCE { FactoryModule, ConfiguredModule };

class WlanHelper {
public:
    static constexpr unsigned kConnectWaitMs = 20000;

    explicit WlanHelper(WLAN_SERVICES services);

    int WlanConnectSsid(const std::string& ssid, int mode, WLAN_KEY_SOURCE keys = WLAN_KEY_SOURCE::FactoryModule);
    // Joins every interface that sees the network, keeping an existing profile; no wait.
    int WriteWlanProfile(const std::string& ssid);
    uint32_t GetSignalQuality() const { return m_quality; }

private:
    struct MATCH {
        size_t interfaceIndex;
        WLAN_NETWORK_ENTRY network;
    };

    std::wstring ProfileFor(const WLAN_NETWORK_ENTRY& network, WLAN_KEY_SOURCE keys) const;
    WLAN_CONNECT_REQUEST RequestFor(const WLAN_NETWORK_ENTRY& network, WLAN_CONNECT_MODE mode) const;
    int JoinOnInterface(IWlanSession& session, size_t interfaceIndex, const WLAN_NETWORK_ENTRY& network);

    WLAN_SERVICES m_services;
    uint32_t m_quality = 0;
};
