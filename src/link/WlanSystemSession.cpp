#include "WlanSystemSession.h"

#include <windows.h>

#include <wlanapi.h>

#include <algorithm>
#include <vector>

#include "TextConversion.h"

namespace {

// Flags of a network in the list (the system's values; not every header has them).
constexpr DWORD kNetworkConnected = 0x00000001;
constexpr DWORD kNetworkHasProfile = 0x00000002;
constexpr DWORD kConnectHiddenNetwork = 0x00000001;
constexpr DWORD kProfileAllUsers = 0;

std::wstring& LibraryPath()
{
    static std::wstring path;
    return path;
}

template <typename Function>
Function EntryPoint(HMODULE module, const char* name)
{
    // GetProcAddress gives a generic function pointer; the real type is the library's contract.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct WLAN_FUNCTIONS {
    decltype(&WlanOpenHandle) open = nullptr;
    decltype(&WlanCloseHandle) close = nullptr;
    decltype(&WlanEnumInterfaces) enumInterfaces = nullptr;
    decltype(&WlanGetAvailableNetworkList) networks = nullptr;
    decltype(&WlanSetProfile) setProfile = nullptr;
    decltype(&WlanConnect) connect = nullptr;
    decltype(&WlanFreeMemory) freeMemory = nullptr;

    bool Load(HMODULE module)
    {
        open = EntryPoint<decltype(open)>(module, "WlanOpenHandle");
        close = EntryPoint<decltype(close)>(module, "WlanCloseHandle");
        enumInterfaces = EntryPoint<decltype(enumInterfaces)>(module, "WlanEnumInterfaces");
        networks = EntryPoint<decltype(networks)>(module, "WlanGetAvailableNetworkList");
        setProfile = EntryPoint<decltype(setProfile)>(module, "WlanSetProfile");
        connect = EntryPoint<decltype(connect)>(module, "WlanConnect");
        freeMemory = EntryPoint<decltype(freeMemory)>(module, "WlanFreeMemory");
        return open && close && enumInterfaces && networks && setProfile && connect && freeMemory;
    }
};

class CWlanSystemSession : public IWlanSession {
public:
    ~CWlanSystemSession() override
    {
        if (m_client)
            m_api.close(m_client, nullptr);
        if (m_library)
            FreeLibrary(m_library);
    }

    bool Open()
    {
        const std::wstring& path = LibraryPath();
        m_library = LoadLibraryW(path.empty() ? L"wlanapi.dll" : path.c_str());
        if (!m_library || !m_api.Load(m_library))
            return false;
        DWORD negotiated = 0;
        if (m_api.open(1, nullptr, &negotiated, &m_client) != ERROR_SUCCESS)
            m_client = nullptr;
        return m_client != nullptr;
    }

    std::optional<size_t> InterfaceCount() override
    {
        PWLAN_INTERFACE_INFO_LIST list = nullptr;
        if (m_api.enumInterfaces(m_client, nullptr, &list) != ERROR_SUCCESS || !list)
            return std::nullopt;
        m_interfaces.clear();
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i)
            m_interfaces.push_back(list->InterfaceInfo[i].InterfaceGuid);
        m_api.freeMemory(list);
        return m_interfaces.size();
    }

    std::optional<std::vector<WLAN_NETWORK_ENTRY>> Networks(size_t index) override
    {
        PWLAN_AVAILABLE_NETWORK_LIST list = nullptr;
        if (index >= m_interfaces.size() ||
            m_api.networks(m_client, &m_interfaces[index], 0, nullptr, &list) != ERROR_SUCCESS || !list)
            return std::nullopt;
        std::vector<WLAN_NETWORK_ENTRY> networks;
        for (DWORD i = 0; i < list->dwNumberOfItems; ++i)
            networks.push_back(EntryOf(list->Network[i]));
        m_api.freeMemory(list);
        return networks;
    }

    bool SetProfile(size_t index, const std::wstring& profileXml) override
    {
        DWORD reason = 0;
        return index < m_interfaces.size() &&
               m_api.setProfile(m_client, &m_interfaces[index], kProfileAllUsers, profileXml.c_str(), nullptr, TRUE,
                                nullptr, &reason) == ERROR_SUCCESS;
    }

    uint32_t Connect(size_t index, const WLAN_CONNECT_REQUEST& request) override
    {
        if (index >= m_interfaces.size())
            return ERROR_INVALID_PARAMETER;
        DOT11_SSID ssid = {};
        ssid.uSSIDLength = static_cast<ULONG>(std::min<size_t>(request.ssid.size(), DOT11_SSID_MAX_LENGTH));
        std::copy_n(request.ssid.begin(), ssid.uSSIDLength, ssid.ucSSID);
        WLAN_CONNECTION_PARAMETERS parameters = {};
        parameters.wlanConnectionMode =
            request.mode == WLAN_CONNECT_MODE::Auto ? wlan_connection_mode_auto : wlan_connection_mode_profile;
        parameters.strProfile = request.profileName.c_str();
        parameters.pDot11Ssid = &ssid;
        parameters.pDesiredBssidList = nullptr;
        parameters.dot11BssType = static_cast<DOT11_BSS_TYPE>(request.bssType);
        parameters.dwFlags = request.hiddenNetwork ? kConnectHiddenNetwork : 0;
        return m_api.connect(m_client, &m_interfaces[index], &parameters, nullptr);
    }

private:
    static WLAN_NETWORK_ENTRY EntryOf(const WLAN_AVAILABLE_NETWORK& network)
    {
        const ULONG length = std::min<ULONG>(network.dot11Ssid.uSSIDLength, DOT11_SSID_MAX_LENGTH);
        WLAN_NETWORK_ENTRY entry;
        entry.ssid.assign(reinterpret_cast<const char*>(network.dot11Ssid.ucSSID), length);
        entry.signalQuality = network.wlanSignalQuality;
        entry.connected = (network.dwFlags & kNetworkConnected) != 0;
        entry.hasProfile = (network.dwFlags & kNetworkHasProfile) != 0;
        entry.securityEnabled = network.bSecurityEnabled != FALSE;
        const wchar_t* end = std::find(network.strProfileName, network.strProfileName + WLAN_MAX_NAME_LENGTH, L'\0');
        entry.profileName.assign(network.strProfileName, end);
        entry.bssType = static_cast<uint32_t>(network.dot11BssType);
        return entry;
    }

    HMODULE m_library = nullptr;
    WLAN_FUNCTIONS m_api;
    HANDLE m_client = nullptr;
    std::vector<GUID> m_interfaces;
};

// The system's major version, as the running system reports it about itself.
DWORD SystemMajorVersion()
{
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        if (const auto getVersion = EntryPoint<RtlGetVersionFunction>(ntdll, "RtlGetVersion"))
            getVersion(&info);
    }
    return info.dwMajorVersion;
}

}  // namespace

void SetWlanLibraryPath(const std::wstring& path)
{
    LibraryPath() = path;
}

WLAN_SERVICES SystemWlanServices()
{
    WLAN_SERVICES services;
    services.open = []() -> std::unique_ptr<IWlanSession> {
        auto session = std::make_unique<CWlanSystemSession>();
        if (!session->Open())
            return nullptr;
        return session;
    };
    services.wait = [](unsigned milliseconds) { Sleep(milliseconds); };
    services.widen = [](const std::string& ssid) { return NarrowToWide(ssid, CP_THREAD_ACP); };
    services.hiddenNetworkFlag = SystemMajorVersion() >= 6;
    return services;
}
