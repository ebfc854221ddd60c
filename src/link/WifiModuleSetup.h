#pragma once
// Gives the wireless module a new network name: the name, then the security, then a restart, each
// form tried a few times; then the module gets time to come back.
#include <functional>
#include <string>

#include "WifiModuleForms.h"

struct WIFI_MODULE_LINK {
    std::string address;                                  // the module's host in the header lines
    std::function<int(const WIFI_MODULE_FORM&)> post;     // 1: accepted, else a failure value
    std::function<void(unsigned milliseconds)> wait;
};

inline constexpr int kWifiModuleAttempts = 5;
inline constexpr unsigned kWifiModuleRestartMs = 20000;

// 1 when all three forms were accepted (after the restart wait), else 0; a form that is never
// accepted ends it before the next one is sent.
int ConfigureWifiModule(const std::string& ssid, const WIFI_MODULE_LINK& link);
