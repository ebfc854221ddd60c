#include "WebServerHost.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kMaxHostLength = 253;
constexpr size_t kMaxLabelLength = 63;
// The longest folder path a Windows server can make (MAX_PATH less room for a file name).
constexpr size_t kMaxSiteFolderLength = 248;

std::vector<std::wstring> Labels(const std::wstring& host)
{
    std::vector<std::wstring> labels(1);
    for (const wchar_t c : host) {
        if (c == L'.')
            labels.emplace_back();
        else
            labels.back() += c;
    }
    return labels;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

bool IsNumber(const std::wstring& text)
{
    if (text.empty())
        return false;
    for (const wchar_t c : text) {
        if (!IsDigit(c))
            return false;
    }
    return true;
}

// The decimal value of a text of digits, without leading zeros (which some readers take for octal),
// up to a limit; nothing otherwise.
std::optional<unsigned long> DecimalUpTo(const std::wstring& text, unsigned long limit)
{
    if (!IsNumber(text) || (text.size() > 1 && text.front() == L'0') || text.size() > 5)
        return std::nullopt;
    const unsigned long value = std::stoul(text);
    if (value > limit)
        return std::nullopt;
    return value;
}

bool IsHostLabel(const std::wstring& label)
{
    if (label.empty() || label.size() > kMaxLabelLength || label.front() == L'-' || label.back() == L'-')
        return false;
    for (const wchar_t c : label) {
        if (!IsLetter(c) && !IsDigit(c) && c != L'-')
            return false;
    }
    return true;
}

bool IsIpv4(const std::vector<std::wstring>& labels)
{
    if (labels.size() != 4)
        return false;
    for (const std::wstring& label : labels) {
        if (!DecimalUpTo(label, 255))
            return false;
    }
    return true;
}

// A host name of letters, digits and inner hyphens per label; a name of numbers only must be a
// whole IPv4 address, so that "10.1" or "300.1.1.1" do not pass as names.
bool IsHost(const std::wstring& host)
{
    if (host.empty() || host.size() > kMaxHostLength)
        return false;
    const std::vector<std::wstring> labels = Labels(host);
    bool allNumbers = true;
    for (const std::wstring& label : labels) {
        if (!IsHostLabel(label))
            return false;
        allNumbers = allNumbers && IsNumber(label);
    }
    return !allNumbers || IsIpv4(labels);
}

// A folder name as the server's file system holds it: no separator, wildcard, quote or control
// character, and not "." or "..", nor ending in a dot or blank, which Windows would drop.
bool IsFolderName(const std::wstring& name)
{
    if (name.empty() || name.back() == L'.' || name.back() == L' ')
        return false;
    for (const wchar_t c : name) {
        if (c < 0x20 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos)
            return false;
    }
    return true;
}

// The site folder with its closing backslash, or nothing when the text is not "X:\" followed by
// folder names.
std::optional<std::wstring> SiteFolder(const std::wstring& text)
{
    if (text.size() < 3 || !IsLetter(text[0]) || text[1] != L':' || text[2] != L'\\' ||
        text.find(L"..") != std::wstring::npos)
        return std::nullopt;
    std::wstring folder = text;
    if (folder.back() != L'\\')
        folder += L'\\';
    if (folder.size() > kMaxSiteFolderLength)
        return std::nullopt;
    size_t start = 3;
    for (size_t end = folder.find(L'\\', start); end != std::wstring::npos; end = folder.find(L'\\', start)) {
        if (!IsFolderName(folder.substr(start, end - start)))
            return std::nullopt;
        start = end + 1;
    }
    return folder;
}

}  // namespace

WebServerAddress& WebServerHost()
{
    static WebServerAddress address;
    return address;
}

WebServerAddress WebServerAddressFrom(const std::wstring& host, const std::wstring& port,
                                      const std::wstring& siteFolder)
{
    constexpr unsigned short kHttpPort = 80;
    const std::optional<unsigned long> number = port.empty() ? kHttpPort : DecimalUpTo(port, 65535);
    if (!IsHost(host) || !number || *number == 0)
        return {};
    WebServerAddress address;
    address.Host = host;
    address.Port = static_cast<unsigned short>(*number);
    address.WebRoot = L"http://" + host + (address.Port == kHttpPort ? L"" : L":" + port) + L"/";
    if (const std::optional<std::wstring> folder = SiteFolder(siteFolder))
        address.SiteFolderPrefix = *folder;
    return address;
}
