#pragma once
// The three forms the wireless module's built-in web server takes: a new network name, its
// security, and a restart. Each is a POST with a fixed set of header lines in a fixed order; the
// module reads nothing else, so the bytes below are the whole contract.
#include <string>
#include <vector>

// The network key the shell gives the module, and the cipher it is used with.
inline constexpr char kWifiModuleKey[] = "59317246";
inline constexpr char kWifiModuleCipher[] = "TKIP";

// The longest network name the page hands to the module.
inline constexpr size_t kWifiModuleMaxSsidCharacters = 11;

struct WIFI_MODULE_FORM {
    std::string path;                  // "/CN/..."
    std::vector<std::string> headers;  // each without its line end
    std::string body;                  // sent as it stands, no terminator
};

// Percent-encodes a form value: letters, digits and "-._~" stay, every other byte becomes "%XX".
std::string UrlEncodeFormValue(const std::string& value);

// `address` is the module's host as it stands in the "Host", "Origin" and "Referer" lines.
WIFI_MODULE_FORM WifiModuleSsidForm(const std::string& address, const std::string& ssid);
WIFI_MODULE_FORM WifiModuleSecurityForm(const std::string& address);
WIFI_MODULE_FORM WifiModuleRestartForm(const std::string& address);
