#include "WifiNetworks.h"

#include <windows.h>

#include <wlanapi.h>

#include <cstring>
#include <utility>

namespace {

// The flag of the network an interface is connected to (the system's value; not every header has it).
constexpr DWORD kNetworkConnected = 0x00000001;

std::function<bool(const std::string&)>& TestAnswer()
{
    static std::function<bool(const std::string&)> answer;
    return answer;
}

template <typename T>
class CWlanMemory {
public:
    ~CWlanMemory()
    {
        if (m_memory)
            WlanFreeMemory(m_memory);
    }
    T** Receive() { return &m_memory; }
    T* operator->() const { return m_memory; }
    T* Get() const { return m_memory; }

private:
    T* m_memory = nullptr;
};

class CWlanClient {
public:
    CWlanClient()
    {
        DWORD negotiated = 0;
        if (WlanOpenHandle(1, nullptr, &negotiated, &m_handle) != ERROR_SUCCESS)
            m_handle = nullptr;
    }
    ~CWlanClient()
    {
        if (m_handle)
            WlanCloseHandle(m_handle, nullptr);
    }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

bool InterfaceConnectedTo(HANDLE client, const GUID& interfaceGuid, const std::string& ssid)
{
    CWlanMemory<WLAN_AVAILABLE_NETWORK_LIST> networks;
    if (WlanGetAvailableNetworkList(client, &interfaceGuid, 0, nullptr, networks.Receive()) != ERROR_SUCCESS)
        return false;
    for (DWORD i = 0; i < networks->dwNumberOfItems; ++i) {
        const WLAN_AVAILABLE_NETWORK& network = networks->Network[i];
        const ULONG length = std::min<ULONG>(network.dot11Ssid.uSSIDLength, DOT11_SSID_MAX_LENGTH);
        const std::string name(reinterpret_cast<const char*>(network.dot11Ssid.ucSSID), length);
        if (name == ssid && (network.dwFlags & kNetworkConnected))
            return true;
    }
    return false;
}

}  // namespace

void UseWifiAnswerForTest(std::function<bool(const std::string&)> answer)
{
    TestAnswer() = std::move(answer);
}

bool IsConnectedToWifiNetwork(const std::string& ssid)
{
    if (TestAnswer())
        return TestAnswer()(ssid);
    CWlanClient client;
    if (!client.Get())
        return false;
    CWlanMemory<WLAN_INTERFACE_INFO_LIST> interfaces;
    if (WlanEnumInterfaces(client.Get(), nullptr, interfaces.Receive()) != ERROR_SUCCESS)
        return false;
    for (DWORD i = 0; i < interfaces->dwNumberOfItems; ++i) {
        if (InterfaceConnectedTo(client.Get(), interfaces->InterfaceInfo[i].InterfaceGuid, ssid))
            return true;
    }
    return false;
}
