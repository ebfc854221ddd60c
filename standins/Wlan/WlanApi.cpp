// A stand-in for the system's wireless client library, for tests of the launch under Wine, whose own
// library is a stub. It reports one wireless interface; when the variable WLAN_STANDIN_SSID names a
// network, the interface is connected to it, otherwise it sees no network at all. Loaded only where
// a test copies it beside the program and asks Wine for it (WINEDLLOVERRIDES "wlanapi=n").
#include <windows.h>

#include <wlanapi.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kNetworkConnected = 0x00000001;
HANDLE const kClientHandle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5A17));

std::string ConnectedSsid()
{
    char name[DOT11_SSID_MAX_LENGTH + 1] = {};
    const DWORD length = GetEnvironmentVariableA("WLAN_STANDIN_SSID", name, sizeof(name));
    return length > 0 && length <= DOT11_SSID_MAX_LENGTH ? std::string(name, length) : std::string();
}

// A list of one entry; headers differ on whether the list type counts its first entry, so the
// size is taken from the entry's offset.
template <typename List, typename Entry>
List* AllocateListOfOne(size_t entryOffset)
{
    return static_cast<List*>(std::calloc(1, entryOffset + sizeof(Entry)));
}

}  // namespace

extern "C" {

DWORD WINAPI WlanOpenHandle(DWORD, PVOID, PDWORD negotiatedVersion, PHANDLE client)
{
    if (!negotiatedVersion || !client)
        return ERROR_INVALID_PARAMETER;
    *negotiatedVersion = 1;
    *client = kClientHandle;
    return ERROR_SUCCESS;
}

DWORD WINAPI WlanCloseHandle(HANDLE client, PVOID)
{
    return client == kClientHandle ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

DWORD WINAPI WlanEnumInterfaces(HANDLE client, PVOID, PWLAN_INTERFACE_INFO_LIST* list)
{
    if (client != kClientHandle || !list)
        return ERROR_INVALID_PARAMETER;
    auto* interfaces = AllocateListOfOne<WLAN_INTERFACE_INFO_LIST, WLAN_INTERFACE_INFO>(
        offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo));
    if (!interfaces)
        return ERROR_NOT_ENOUGH_MEMORY;
    interfaces->dwNumberOfItems = 1;
    interfaces->InterfaceInfo[0].InterfaceGuid.Data1 = 0x5A17;
    wcscpy(interfaces->InterfaceInfo[0].strInterfaceDescription, L"Stand-in wireless interface");
    interfaces->InterfaceInfo[0].isState =
        ConnectedSsid().empty() ? wlan_interface_state_disconnected : wlan_interface_state_connected;
    *list = interfaces;
    return ERROR_SUCCESS;
}

DWORD WINAPI WlanGetAvailableNetworkList(HANDLE client, const GUID* interfaceGuid, DWORD, PVOID,
                                         PWLAN_AVAILABLE_NETWORK_LIST* list)
{
    if (client != kClientHandle || !interfaceGuid || !list)
        return ERROR_INVALID_PARAMETER;
    const std::string ssid = ConnectedSsid();
    auto* networks = AllocateListOfOne<WLAN_AVAILABLE_NETWORK_LIST, WLAN_AVAILABLE_NETWORK>(
        offsetof(WLAN_AVAILABLE_NETWORK_LIST, Network));
    if (!networks)
        return ERROR_NOT_ENOUGH_MEMORY;
    if (!ssid.empty()) {
        networks->dwNumberOfItems = 1;
        WLAN_AVAILABLE_NETWORK& network = networks->Network[0];
        network.dot11Ssid.uSSIDLength = static_cast<ULONG>(ssid.size());
        std::memcpy(network.dot11Ssid.ucSSID, ssid.data(), ssid.size());
        network.bNetworkConnectable = TRUE;
        network.wlanSignalQuality = 90;
        network.dwFlags = kNetworkConnected;
    }
    *list = networks;
    return ERROR_SUCCESS;
}

VOID WINAPI WlanFreeMemory(PVOID memory)
{
    std::free(memory);
}

}  // extern "C"
