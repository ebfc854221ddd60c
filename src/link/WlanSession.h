#pragma once
// The narrow part of the system's wireless client that the link page needs, as an interface: the
// platform's own service stands behind it in the program (WlanSystemSession.h), a fake in tests.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct WLAN_NETWORK_ENTRY {
    std::string ssid;  // the name's bytes as the network sends them
    uint32_t signalQuality = 0;  // 0-100
    bool connected = false;
    bool securityEnabled = false;
    bool hasProfile = false;
    std::wstring profileName;  // as the network list reports it
    uint32_t bssType = 1;      // infrastructure
};

enum class WLAN_CONNECT_MODE { Profile, Auto };

struct WLAN_CONNECT_REQUEST {
    WLAN_CONNECT_MODE mode = WLAN_CONNECT_MODE::Profile;
    std::wstring profileName;
    std::string ssid;
    uint32_t bssType = 1;
    bool hiddenNetwork = false;
};

// An open client of the wireless service; interfaces are named by their place in its list.
class IWlanSession {
public:
    virtual ~IWlanSession() = default;
    // Null when the list cannot be read.
    virtual std::optional<size_t> InterfaceCount() = 0;
    virtual std::optional<std::vector<WLAN_NETWORK_ENTRY>> Networks(size_t interfaceIndex) = 0;
    virtual bool SetProfile(size_t interfaceIndex, const std::wstring& profileXml) = 0;
    // The service's answer: 0 accepted, else its error code.
    virtual uint32_t Connect(size_t interfaceIndex, const WLAN_CONNECT_REQUEST& request) = 0;
};

// What a WlanHelper works with: the session opener (null session: no service), the wait after a
// connection request, the widening of a name in the thread's code page, and whether connections
// ask for hidden networks too (the newer systems).
struct WLAN_SERVICES {
    std::function<std::unique_ptr<IWlanSession>()> open;
    std::function<void(unsigned milliseconds)> wait;
    std::function<std::wstring(const std::string&)> widen;
    bool hiddenNetworkFlag = true;
};
