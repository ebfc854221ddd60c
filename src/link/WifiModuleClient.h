#pragma once
// The wireless module's web server, reached through the Windows internet library: one form per
// request, the answer's status code as the result.
#include <string>

#include "WifiModuleSetup.h"

// Where the module is. The address comes from "COMMON\WIFI" "MODULEADDRESS" (an IPv4 address);
// without one it is the loopback address, so nothing leaves the PC until an installation names its
// module. The port and the time-outs are fixed; tests point the port at their own server and
// shorten the time-outs.
struct WIFI_MODULE_ENDPOINT {
    unsigned short port = 80;
    unsigned long connectTimeoutMs = 2000;
    unsigned long transferTimeoutMs = 5000;  // the module's answer, so a stalled module fails too
};
WIFI_MODULE_ENDPOINT& WifiModuleEndpoint();

// The configured address, or empty when it is not a plain dotted IPv4 address.
std::string WifiModuleAddress();

// Sends one form. 1 for a status of 200 to 299; any other status as it came; an error code of the
// internet library when the exchange broke; 0 when no request could be opened.
int PostWifiModuleForm(const std::string& address, const WIFI_MODULE_FORM& form);

// The module link for ConfigureWifiModule, waiting with Sleep.
WIFI_MODULE_LINK SystemWifiModuleLink();
