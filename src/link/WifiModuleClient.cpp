#include "WifiModuleClient.h"

#include <windows.h>
#include <wininet.h>

#include "ConfigStore.h"
#include "InternetHandle.h"

namespace {

constexpr char kDefaultAddress[] = "127.0.0.1";

bool IsDottedIpv4(const std::string& address)
{
    int parts = 0;
    size_t at = 0;
    while (at <= address.size()) {
        const size_t end = address.find('.', at) == std::string::npos ? address.size() : address.find('.', at);
        const std::string part = address.substr(at, end - at);
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(part) > 255)
            return false;
        ++parts;
        at = end + 1;
    }
    return parts == 4;
}

void SetTimeouts(HINTERNET handle, const WIFI_MODULE_ENDPOINT& endpoint)
{
    DWORD connect = endpoint.connectTimeoutMs;
    DWORD transfer = endpoint.transferTimeoutMs;
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof(connect));
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &transfer, sizeof(transfer));
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &transfer, sizeof(transfer));
}

// A module that hangs up without an answer can leave neither a status nor an error code; that is
// told as the library's "invalid server response", never as 0 (no request) or success.
int LibraryError()
{
    const DWORD error = GetLastError();
    return static_cast<int>(error != 0 ? error : ERROR_HTTP_INVALID_SERVER_RESPONSE);
}

int StatusResult(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return LibraryError();
    if (status == 0)
        return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    return status >= 200 && status <= 299 ? 1 : static_cast<int>(status);
}

}  // namespace

WIFI_MODULE_ENDPOINT& WifiModuleEndpoint()
{
    static WIFI_MODULE_ENDPOINT endpoint;
    return endpoint;
}

std::string WifiModuleAddress()
{
    const std::string address = GetConfigValueA("COMMON\\WIFI", "MODULEADDRESS", kDefaultAddress);
    return IsDottedIpv4(address) ? address : std::string();
}

int PostWifiModuleForm(const std::string& address, const WIFI_MODULE_FORM& form)
{
    if (!IsDottedIpv4(address))
        return 0;
    const WIFI_MODULE_ENDPOINT& endpoint = WifiModuleEndpoint();
    const CInternetHandle session(InternetOpenA("SetSSID", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session)
        return 0;
    SetTimeouts(session.Get(), endpoint);
    const CInternetHandle connection(InternetConnectA(session.Get(), address.c_str(), endpoint.port, nullptr, nullptr,
                                                      INTERNET_SERVICE_HTTP, 0, 1));
    if (!connection)
        return 0;
    const CInternetHandle request(HttpOpenRequestA(connection.Get(), "POST", form.path.c_str(), nullptr, nullptr,
                                                   nullptr, INTERNET_FLAG_KEEP_CONNECTION, 1));
    if (!request)
        return 0;
    SetTimeouts(request.Get(), endpoint);  // also on the request: not every library passes them down
    for (const std::string& header : form.headers) {
        const std::string line = header + "\r\n";
        HttpAddRequestHeadersA(request.Get(), line.c_str(), static_cast<DWORD>(line.size()),
                               HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    }
    std::string body = form.body;
    if (!HttpSendRequestA(request.Get(), nullptr, 0, body.data(), static_cast<DWORD>(body.size())))
        return LibraryError();
    return StatusResult(request.Get());
}

WIFI_MODULE_LINK SystemWifiModuleLink()
{
    const std::string address = WifiModuleAddress();
    return {address, [address](const WIFI_MODULE_FORM& form) { return PostWifiModuleForm(address, form); },
            [](unsigned milliseconds) { Sleep(milliseconds); }};
}
