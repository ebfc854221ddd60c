// A stand-in for the system's wireless client library, for tests under Wine, whose own library is a
// stub. It reports one wireless interface. What it sees is set by variables of the process:
//   WLAN_STANDIN_SSID      one network of that name, connected (the launch's tests);
//   WLAN_STANDIN_NETWORKS  instead, a list of networks, one a line:
//                          "<quality> <connected 0|1> <secured 0|1> <has profile 0|1> <name in hex>";
//   WLAN_STANDIN_PROFILE_RESULT, WLAN_STANDIN_CONNECT_RESULT  the answers to setting a profile and
//                          to connecting (default 0, accepted);
//   WLAN_STANDIN_LOG       a file that receives every profile set and every connection request.
// Loaded where a test copies it beside the program and asks Wine for it (WINEDLLOVERRIDES
// "wlanapi=n"), or by its path.
#include <windows.h>

#include <wlanapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kNetworkConnected = 0x00000001;
constexpr DWORD kNetworkHasProfile = 0x00000002;
HANDLE const kClientHandle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x5A17));

struct NETWORK {
    std::string ssid;
    ULONG quality = 0;
    bool connected = false;
    bool secured = false;
    bool hasProfile = false;
};

std::string Variable(const char* name)
{
    char value[4096] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    return length > 0 && length < sizeof(value) ? std::string(value, length) : std::string();
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::strtoul(hex.substr(i, 2).c_str(), nullptr, 16)));
    return bytes;
}

std::string ToHex(const unsigned char* bytes, size_t length)
{
    std::string hex;
    char pair[3];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof(pair), "%02X", bytes[i]);
        hex += pair;
    }
    return hex;
}

std::vector<NETWORK> Networks()
{
    std::vector<NETWORK> networks;
    const std::string list = Variable("WLAN_STANDIN_NETWORKS");
    if (list.empty()) {
        const std::string ssid = Variable("WLAN_STANDIN_SSID");
        if (!ssid.empty() && ssid.size() <= DOT11_SSID_MAX_LENGTH)
            networks.push_back({ssid, 90, true, false, false});
        return networks;
    }
    std::istringstream lines(list);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        NETWORK network;
        int connected = 0, secured = 0, hasProfile = 0;
        std::string hex;
        if (!(fields >> network.quality >> connected >> secured >> hasProfile >> hex))
            continue;
        network.ssid = FromHex(hex);
        network.connected = connected != 0;
        network.secured = secured != 0;
        network.hasProfile = hasProfile != 0;
        if (network.ssid.size() <= DOT11_SSID_MAX_LENGTH)
            networks.push_back(network);
    }
    return networks;
}

DWORD ScriptedResult(const char* name)
{
    return static_cast<DWORD>(std::strtoul(Variable(name).c_str(), nullptr, 10));
}

void Log(const std::string& line)
{
    const std::string path = Variable("WLAN_STANDIN_LOG");
    if (path.empty())
        return;
    if (FILE* file = std::fopen(path.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fputc('\n', file);
        std::fclose(file);
    }
}

std::string Utf8(const wchar_t* text)
{
    if (!text)
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return {};
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(length) - 1);
    return bytes;
}

// A list of `count` entries; headers differ on whether the list type counts its first entry, so the
// size is taken from the entry's offset.
template <typename List, typename Entry>
List* AllocateList(size_t entryOffset, size_t count)
{
    return static_cast<List*>(std::calloc(1, entryOffset + sizeof(Entry) * (count ? count : 1)));
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
    auto* interfaces = AllocateList<WLAN_INTERFACE_INFO_LIST, WLAN_INTERFACE_INFO>(
        offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo), 1);
    if (!interfaces)
        return ERROR_NOT_ENOUGH_MEMORY;
    interfaces->dwNumberOfItems = 1;
    interfaces->InterfaceInfo[0].InterfaceGuid.Data1 = 0x5A17;
    wcscpy(interfaces->InterfaceInfo[0].strInterfaceDescription, L"Stand-in wireless interface");
    bool connected = false;
    for (const NETWORK& network : Networks())
        connected = connected || network.connected;
    interfaces->InterfaceInfo[0].isState = connected ? wlan_interface_state_connected : wlan_interface_state_disconnected;
    *list = interfaces;
    return ERROR_SUCCESS;
}

DWORD WINAPI WlanGetAvailableNetworkList(HANDLE client, const GUID* interfaceGuid, DWORD, PVOID,
                                         PWLAN_AVAILABLE_NETWORK_LIST* list)
{
    if (client != kClientHandle || !interfaceGuid || !list)
        return ERROR_INVALID_PARAMETER;
    const std::vector<NETWORK> seen = Networks();
    auto* networks = AllocateList<WLAN_AVAILABLE_NETWORK_LIST, WLAN_AVAILABLE_NETWORK>(
        offsetof(WLAN_AVAILABLE_NETWORK_LIST, Network), seen.size());
    if (!networks)
        return ERROR_NOT_ENOUGH_MEMORY;
    networks->dwNumberOfItems = static_cast<DWORD>(seen.size());
    for (size_t i = 0; i < seen.size(); ++i) {
        WLAN_AVAILABLE_NETWORK& network = networks->Network[i];
        network.dot11Ssid.uSSIDLength = static_cast<ULONG>(seen[i].ssid.size());
        std::memcpy(network.dot11Ssid.ucSSID, seen[i].ssid.data(), seen[i].ssid.size());
        network.dot11BssType = dot11_BSS_type_infrastructure;
        network.bNetworkConnectable = TRUE;
        network.wlanSignalQuality = seen[i].quality;
        network.bSecurityEnabled = seen[i].secured ? TRUE : FALSE;
        network.dwFlags = (seen[i].connected ? kNetworkConnected : 0) | (seen[i].hasProfile ? kNetworkHasProfile : 0);
        if (seen[i].hasProfile)
            wcscpy(network.strProfileName, L"Stand-in profile");
    }
    *list = networks;
    return ERROR_SUCCESS;
}

DWORD WINAPI WlanSetProfile(HANDLE client, const GUID* interfaceGuid, DWORD flags, LPCWSTR profileXml,
                            LPCWSTR securityDescriptor, BOOL overwrite, PVOID, DWORD* reason)
{
    if (client != kClientHandle || !interfaceGuid || !profileXml || !reason)
        return ERROR_INVALID_PARAMETER;
    *reason = 0;
    Log("profile flags=" + std::to_string(flags) + " overwrite=" + std::to_string(overwrite) +
        " descriptor=" + (securityDescriptor ? "yes" : "none") + " " + Utf8(profileXml));
    return ScriptedResult("WLAN_STANDIN_PROFILE_RESULT");
}

DWORD WINAPI WlanGetProfile(HANDLE client, const GUID* interfaceGuid, LPCWSTR, PVOID, LPWSTR* profileXml, DWORD*,
                            DWORD*)
{
    if (client != kClientHandle || !interfaceGuid || !profileXml)
        return ERROR_INVALID_PARAMETER;
    return ERROR_NOT_FOUND;
}

DWORD WINAPI WlanConnect(HANDLE client, const GUID* interfaceGuid, const PWLAN_CONNECTION_PARAMETERS parameters,
                         PVOID)
{
    if (client != kClientHandle || !interfaceGuid || !parameters)
        return ERROR_INVALID_PARAMETER;
    const DOT11_SSID* ssid = parameters->pDot11Ssid;
    Log("connect mode=" + std::to_string(parameters->wlanConnectionMode) + " profile=" + Utf8(parameters->strProfile) +
        " ssid=" + (ssid ? ToHex(ssid->ucSSID, std::min<ULONG>(ssid->uSSIDLength, DOT11_SSID_MAX_LENGTH)) : "") +
        " bss=" + std::to_string(parameters->dot11BssType) + " flags=" + std::to_string(parameters->dwFlags));
    return ScriptedResult("WLAN_STANDIN_CONNECT_RESULT");
}

DWORD WINAPI WlanReasonCodeToString(DWORD reason, DWORD bufferSize, PWCHAR buffer, PVOID)
{
    if (!buffer || bufferSize == 0)
        return ERROR_INVALID_PARAMETER;
    _snwprintf(buffer, bufferSize, L"Stand-in reason %lu", reason);
    buffer[bufferSize - 1] = L'\0';
    return ERROR_SUCCESS;
}

VOID WINAPI WlanFreeMemory(PVOID memory)
{
    std::free(memory);
}

}  // extern "C"
