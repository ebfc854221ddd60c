#include "RepairPageRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cwctype>

namespace RepairPageRules {
namespace {

std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

bool IsDeviceName(const std::wstring& text)
{
    const std::wstring stem = Upper(text.substr(0, text.find(L'.')));
    static const std::array<const wchar_t*, 4> fixed = {L"CON", L"PRN", L"AUX", L"NUL"};
    if (std::find(fixed.begin(), fixed.end(), stem) != fixed.end())
        return true;
    return stem.size() == 4 && (stem.rfind(L"COM", 0) == 0 || stem.rfind(L"LPT", 0) == 0) && stem[3] >= L'0' &&
           stem[3] <= L'9';
}

std::wstring LastElement(const std::wstring& target)
{
    const size_t slash = target.find_last_of(L"\\/");
    return slash == std::wstring::npos ? target : target.substr(slash + 1);
}

// Narrow text as UTF-8; a broken sequence gives U+FFFD for its first byte and reading goes on.
std::wstring FromUtf8(const std::string& bytes)
{
    std::wstring out;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= bytes.size()) {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        bool good = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            good = good && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!good || code > 0x10FFFF) {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        if (code >= 0x10000 && sizeof(wchar_t) == 2) {
            code -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (code >> 10));
            out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<wchar_t>(code);
        }
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string DecodeQuotedPrintable(const std::string& body)
{
    std::string out;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '=') {
            out += body[i];
            continue;
        }
        if (i + 1 < body.size() && (body[i + 1] == '\r' || body[i + 1] == '\n')) {  // soft line break
            i += (body[i + 1] == '\r' && i + 2 < body.size() && body[i + 2] == '\n') ? 2 : 1;
            continue;
        }
        const int high = i + 2 < body.size() ? HexValue(body[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(body[i + 2]) : -1;
        if (low < 0) {
            out += '=';
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string DecodeBase64(const std::string& body)
{
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : body) {
        int value = -1;
        if (c >= 'A' && c <= 'Z') value = c - 'A';
        else if (c >= 'a' && c <= 'z') value = c - 'a' + 26;
        else if (c >= '0' && c <= '9') value = c - '0' + 52;
        else if (c == '+') value = 62;
        else if (c == '/') value = 63;
        if (value < 0)
            continue;
        bits = (bits << 6) | static_cast<uint32_t>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out += static_cast<char>((bits >> count) & 0xFF);
        }
    }
    return out;
}

// The decoded body of the first part whose headers name text/html; the whole input when it holds
// no archive headers at all.
std::string HtmlOfArchive(const std::string& archive)
{
    const std::string lower = LowerAscii(archive);
    size_t type = lower.find("content-type: text/html");
    if (type == std::string::npos)
        return lower.find("<html") != std::string::npos || lower.find("<body") != std::string::npos ? archive : "";
    size_t bodyStart = lower.find("\r\n\r\n", type);
    size_t skip = 4;
    const size_t unixEnd = lower.find("\n\n", type);
    if (bodyStart == std::string::npos || (unixEnd != std::string::npos && unixEnd < bodyStart)) {
        bodyStart = unixEnd;
        skip = 2;
    }
    if (bodyStart == std::string::npos)
        return "";
    const std::string headers = lower.substr(type, bodyStart - type);
    bodyStart += skip;
    size_t bodyEnd = archive.find("\n--", bodyStart);
    const std::string body = archive.substr(bodyStart, bodyEnd == std::string::npos ? std::string::npos
                                                                                      : bodyEnd - bodyStart);
    if (headers.find("quoted-printable") != std::string::npos)
        return DecodeQuotedPrintable(body);
    if (headers.find("base64") != std::string::npos)
        return DecodeBase64(body);
    return body;
}

bool IsBlockTag(const std::string& tag)
{
    static const std::array<const char*, 14> blocks = {"br", "p", "/p", "div", "/div", "li", "tr", "/tr",
                                                       "/h1", "/h2", "/h3", "/h4", "/title", "/li"};
    return std::find_if(blocks.begin(), blocks.end(), [&tag](const char* b) { return tag == b; }) != blocks.end();
}

std::string TagName(const std::string& tag)
{
    size_t end = tag.empty() || tag[0] != '/' ? 0 : 1;
    while (end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[end])))
        ++end;
    return LowerAscii(tag.substr(0, end));
}

void AppendUtf8(std::string& out, unsigned long code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// "#176" or "#xB0": the character's code; 0 when it is no character a page may hold.
unsigned long NumericEntityCode(const std::string& entity)
{
    const bool hex = entity.size() > 2 && (entity[1] == 'x' || entity[1] == 'X');
    const std::string digits = entity.substr(hex ? 2 : 1);
    if (entity.size() < 2 || entity[0] != '#' || digits.empty() ||
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") != std::string::npos)
        return 0;
    const unsigned long code = std::stoul(digits, nullptr, hex ? 16 : 10);  // at most 7 digits here
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code > 0x10FFFF || surrogate ? 0 : code;
}

void AppendEntity(std::string& out, const std::string& entity)
{
    if (const unsigned long code = NumericEntityCode(entity)) {
        AppendUtf8(out, code);
        return;
    }
    static const std::array<std::pair<const char*, const char*>, 6> known = {
        {{"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"nbsp", " "}, {"apos", "'"}}};
    for (const auto& [name, text] : known)
        if (entity == name) {
            out += text;
            return;
        }
    out += "&" + entity + ";";
}

std::string StripTags(const std::string& html)
{
    std::string out;
    bool skipping = false;  // inside a script or style element
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const size_t close = html.find('>', i);
            if (close == std::string::npos)
                break;
            const std::string name = TagName(html.substr(i + 1, close - i - 1));
            if (name == "script" || name == "style" || name == "head")
                skipping = true;
            else if (name == "/script" || name == "/style" || name == "/head")
                skipping = false;
            else if (!skipping && IsBlockTag(name) && !out.empty() && out.back() != '\n')
                out += '\n';
            i = close;
            continue;
        }
        if (skipping)
            continue;
        if (c == '&') {
            const size_t semi = html.find(';', i);
            if (semi != std::string::npos && semi - i <= 8) {
                AppendEntity(out, html.substr(i + 1, semi - i - 1));
                i = semi;
                continue;
            }
        }
        if (c == '\r')
            continue;
        if (c == '\n' || c == '\t') {
            if (!out.empty() && out.back() != ' ' && out.back() != '\n')
                out += ' ';
            continue;
        }
        if (c == ' ' && !out.empty() && (out.back() == ' ' || out.back() == '\n'))
            continue;
        out += c;
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

}  // namespace

bool IsSafeName(const std::wstring& text)
{
    if (text.empty() || text == L"." || text == L"..")
        return false;
    for (wchar_t c : text)
        if (c < 0x20 || std::wstring(L"\\/:*?\"<>|").find(c) != std::wstring::npos)
            return false;
    if (text.back() == L'.' || text.back() == L' ')
        return false;
    return !IsDeviceName(text);
}

std::optional<std::wstring> PageFolder(const std::wstring& makerDir, const std::wstring& language,
                                       const std::vector<std::wstring>& nodeTexts)
{
    if (!IsSafeName(language) || makerDir.empty())
        return std::nullopt;
    std::wstring folder = makerDir;
    if (folder.back() != L'\\')
        folder += L'\\';
    folder += L"repair_info\\" + language + L"\\";
    for (size_t i = 0; i + 1 < nodeTexts.size(); ++i) {
        if (!IsSafeName(nodeTexts[i]))
            return std::nullopt;
        folder += nodeTexts[i] + L"\\";
    }
    return folder;
}

std::optional<std::wstring> WorkingFolder(const std::wstring& pageFolder, const std::wstring& appDir,
                                          const std::wstring& workDir)
{
    if (appDir.empty() || workDir.empty() || pageFolder.size() < appDir.size() ||
        Upper(pageFolder.substr(0, appDir.size())) != Upper(appDir))
        return std::nullopt;
    std::wstring folder = workDir;
    if (folder.back() != L'\\')
        folder += L'\\';
    std::wstring rest = pageFolder.substr(appDir.size());
    if (!rest.empty() && rest.front() == L'\\')
        rest.erase(0, 1);
    return folder + rest;
}

std::optional<std::wstring> MainPageName(const std::wstring& language, const std::wstring& item)
{
    const std::wstring name = language + L"_" + item + L"_MAIN";
    if (!IsSafeName(item) || !IsSafeName(language))
        return std::nullopt;
    return name;
}

std::vector<uint8_t> Unscramble(const std::vector<uint8_t>& stored)
{
    std::vector<uint8_t> page(stored.size());
    uint8_t offset = kOffsetFirst;
    for (size_t i = 0; i < stored.size(); ++i) {
        page[i] = static_cast<uint8_t>(stored[i] - offset);
        offset = offset == kOffsetLast ? kOffsetFirst : static_cast<uint8_t>(offset + 1);
    }
    return page;
}

std::vector<uint8_t> Scramble(const std::vector<uint8_t>& page)
{
    std::vector<uint8_t> stored(page.size());
    uint8_t offset = kOffsetFirst;
    for (size_t i = 0; i < page.size(); ++i) {
        stored[i] = static_cast<uint8_t>(page[i] + offset);
        offset = offset == kOffsetLast ? kOffsetFirst : static_cast<uint8_t>(offset + 1);
    }
    return stored;
}

bool IsInPageLink(const std::wstring& target)
{
    return LastElement(target).find(L"#!") != std::wstring::npos;
}

std::wstring PathFromTarget(const std::wstring& target)
{
    static const std::wstring scheme = L"file:///";
    if (target.size() <= scheme.size() || Upper(target.substr(0, scheme.size())) != Upper(scheme))
        return target;
    std::wstring path = target.substr(scheme.size());
    std::replace(path.begin(), path.end(), L'/', L'\\');
    std::wstring decoded;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == L'%' && i + 2 < path.size() && HexValue(static_cast<char>(path[i + 1])) >= 0 &&
            HexValue(static_cast<char>(path[i + 2])) >= 0 && path[i + 1] < 0x80 && path[i + 2] < 0x80) {
            decoded += static_cast<wchar_t>(HexValue(static_cast<char>(path[i + 1])) * 16 +
                                            HexValue(static_cast<char>(path[i + 2])));
            i += 2;
        } else {
            decoded += path[i];
        }
    }
    return decoded;
}

NavigationDecision DecideBeforeNavigate(const std::wstring& target, bool targetExists)
{
    if (targetExists || IsInPageLink(target))
        return {};
    const size_t slash = target.rfind(L'\\');
    const size_t dot = target.rfind(L'.');
    if (slash == std::wstring::npos || dot == std::wstring::npos || dot < slash)
        return {};
    const std::wstring name = target.substr(slash + 1, dot - slash - 1);
    if (!IsSafeName(name))
        return {NavigationDecision::Refuse, L""};
    return {NavigationDecision::OpenPage, name};
}

std::wstring PageText(const std::vector<uint8_t>& archive)
{
    const std::string html = HtmlOfArchive(std::string(archive.begin(), archive.end()));
    return FromUtf8(StripTags(html));
}

bool PassesToBrowser(unsigned message)
{
    return message != kMouseMoveMessage && message != kRightButtonUpMessage;
}

}  // namespace RepairPageRules
