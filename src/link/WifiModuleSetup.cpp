#include "WifiModuleSetup.h"

namespace {

bool PostUntilAccepted(const WIFI_MODULE_FORM& form, const WIFI_MODULE_LINK& link)
{
    for (int attempt = 0; attempt < kWifiModuleAttempts; ++attempt) {
        if (link.post(form) == 1)
            return true;
    }
    return false;
}

}  // namespace

int ConfigureWifiModule(const std::string& ssid, const WIFI_MODULE_LINK& link)
{
    if (!link.post)
        return 0;
    if (!PostUntilAccepted(WifiModuleSsidForm(link.address, ssid), link) ||
        !PostUntilAccepted(WifiModuleSecurityForm(link.address), link) ||
        !PostUntilAccepted(WifiModuleRestartForm(link.address), link))
        return 0;
    if (link.wait)
        link.wait(kWifiModuleRestartMs);
    return 1;
}
