#pragma once
// The WLAN profile the PC joins the interface's network with: one line of XML in the platform's
// profile schema, security taken from what the module is known to use.
#include <string>

struct WLAN_PROFILE_SECURITY {
    bool secured = false;   // false: an open network, no key at all
    std::wstring cipher;    // "AES" or "TKIP", with WPA2-PSK
    std::wstring passPhrase;
};

// A module as it left the factory: AES, and the last eight characters of its network name as the
// pass phrase (the shell's own key for names shorter than that).
WLAN_PROFILE_SECURITY FactoryModuleSecurity(const std::wstring& ssid, bool securityEnabled);

// A module the shell has just configured: the cipher and key of its security form.
WLAN_PROFILE_SECURITY ConfiguredModuleSecurity(bool securityEnabled);

// Escapes the five characters XML gives a meaning to.
std::wstring XmlEscape(const std::wstring& text);

// `ssid` is the network name as shown; `ssidBytes` the name's bytes on the air. A name with bytes
// outside ASCII also carries them in hexadecimal, so the profile names exactly that network.
std::wstring BuildWlanProfileXml(const std::string& ssidBytes, const std::wstring& ssid,
                                 const WLAN_PROFILE_SECURITY& security);
