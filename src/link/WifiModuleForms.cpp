#include "WifiModuleForms.h"

namespace {

constexpr char kFormPage[] = "/CN/do_cmd.html";
constexpr char kRestartPage[] = "/CN/restart.html";

bool StaysAsItIs(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

// The lines every form sends; the restart form adds its length and names another referring page.
std::vector<std::string> HeaderLines(const std::string& address, const std::string& referringPage,
                                     const std::string& contentLength)
{
    std::vector<std::string> lines = {"Host: " + address, "Connection: Keep-Alive"};
    if (!contentLength.empty())
        lines.push_back("Content-Length: " + contentLength);
    const std::vector<std::string> rest = {
        "Cache-Control: max-age=0",
        "Authorization: Basic Tq7mWz3KpR9xLb2=",
        "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8",
        "Origin: http://" + address,
        "User-Agent: Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, like Gecko) "
        "Chrome/27.0.1453.116 Safari/537.36",
        "Content-Type: application/x-www-form-urlencoded",
        "Referer: http://" + address + referringPage,
        "Accept-Encoding: gzip,deflate,sdch",
        "Accept-Language: zh-cn,zh;q=0.8",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

}  // namespace

std::string UrlEncodeFormValue(const std::string& value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (StaysAsItIs(byte)) {
            encoded.push_back(c);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[byte >> 4]);
            encoded.push_back(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

// An unencoded name would let "&", "=" or "%" in it start another field of the form.
WIFI_MODULE_FORM WifiModuleSsidForm(const std::string& address, const std::string& ssid)
{
    return {kFormPage, HeaderLines(address, "/CN/ap.html", ""),
            "CMD=WIRELESS_BASIC&GO=ap.html&SET0=71041536%3D" + UrlEncodeFormValue(ssid)};
}

WIFI_MODULE_FORM WifiModuleSecurityForm(const std::string& address)
{
    return {kFormPage, HeaderLines(address, "/CN/ap.html", ""),
            std::string("CMD=LAN&GO=ap.html&SET0=76939776%3DWPA2PSK&SET1=71893504%3D") + kWifiModuleCipher +
                "&SET2=77201920%3D" + UrlEncodeFormValue(kWifiModuleKey)};
}

WIFI_MODULE_FORM WifiModuleRestartForm(const std::string& address)
{
    static constexpr char kBody[] = "CMD=SYS_CONF&GO=management.html&CCMD=0";
    return {kRestartPage, HeaderLines(address, "/CN/management.html", std::to_string(sizeof(kBody) - 1)), kBody};
}
