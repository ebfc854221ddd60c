#include "LoopbackWifiModule.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cctype>
#include <cstdlib>

namespace {

constexpr size_t kMaxHeadBytes = 16384;
constexpr size_t kMaxBodyBytes = 4096;

// The module's forms as its pages send them; written out here on their own, not taken from the
// program, so the check does not repeat the program's mistakes.
constexpr char kSsidPrefix[] = "CMD=WIRELESS_BASIC&GO=ap.html&SET0=71041536%3D";
constexpr char kSecurityBody[] =
    "CMD=LAN&GO=ap.html&SET0=76939776%3DWPA2PSK&SET1=71893504%3DTKIP&SET2=77201920%3D59317246";
constexpr char kRestartBody[] = "CMD=SYS_CONF&GO=management.html&CCMD=0";

std::vector<std::string> ExpectedHeaders(const std::string& address, bool restart)
{
    std::vector<std::string> lines = {"Host: " + address, "Connection: Keep-Alive"};
    if (restart)
        lines.push_back("Content-Length: 38");
    lines.push_back("Cache-Control: max-age=0");
    lines.push_back("Authorization: Basic Tq7mWz3KpR9xLb2=");
    lines.push_back("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    lines.push_back("Origin: http://" + address);
    lines.push_back("User-Agent: Mozilla/5.0 (Windows NT 5.1) AppleWebKit/537.36 (KHTML, like Gecko) "
                    "Chrome/27.0.1453.116 Safari/537.36");
    lines.push_back("Content-Type: application/x-www-form-urlencoded");
    lines.push_back("Referer: http://" + address + (restart ? "/CN/management.html" : "/CN/ap.html"));
    lines.push_back("Accept-Encoding: gzip,deflate,sdch");
    lines.push_back("Accept-Language: zh-cn,zh;q=0.8");
    return lines;
}

std::string NameOf(const std::string& line)
{
    std::string name = line.substr(0, line.find(':'));
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

bool HasLine(const std::vector<std::string>& received, const std::string& name)
{
    for (const std::string& line : received) {
        if (NameOf(line) == name)
            return true;
    }
    return false;
}

// The client library writes some lines itself, where it likes (the host, the length, the
// connection: Wine's puts the connection last); those must be there. Every other line must come
// exactly, and in the module's order.
std::string CompareHeaders(const std::vector<std::string>& received, const std::vector<std::string>& expected)
{
    size_t at = 0;
    for (const std::string& line : expected) {
        const std::string name = NameOf(line);
        if (name == "host" || name == "content-length" || name == "connection") {
            if (!HasLine(received, name))
                return "missing: " + line;
            continue;
        }
        size_t found = at;
        while (found < received.size() && NameOf(received[found]) != name)
            ++found;
        if (found == received.size())
            return "missing or out of order: " + line;
        if (received[found] != line)
            return "differs: " + received[found] + " (expected " + line + ")";
        at = found + 1;
    }
    return {};
}

bool IsUnreserved(unsigned char c)
{
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

// A form value as the module reads it; false when a byte is sent bare that has to be encoded.
bool DecodeFormValue(const std::string& value, std::string& decoded)
{
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '%' && i + 2 < value.size() + 0 && std::isxdigit(static_cast<unsigned char>(value[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(value[i + 2]))) {
            decoded.push_back(static_cast<char>(std::strtoul(value.substr(i + 1, 2).c_str(), nullptr, 16)));
            i += 2;
        } else if (IsUnreserved(c)) {
            decoded.push_back(static_cast<char>(c));
        } else {
            return false;
        }
    }
    return true;
}

void SendAll(SOCKET client, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
}

std::string ReasonOf(int status)
{
    return status == 200 ? "OK" : status == 302 ? "Found" : "Error";
}

MODULE_REQUEST ReadRequest(SOCKET client)
{
    std::string bytes;
    char chunk[1024];
    size_t headEnd = std::string::npos;
    while ((headEnd = bytes.find("\r\n\r\n")) == std::string::npos && bytes.size() < kMaxHeadBytes) {
        const int n = recv(client, chunk, sizeof(chunk), 0);
        if (n <= 0)
            break;
        bytes.append(chunk, static_cast<size_t>(n));
    }
    MODULE_REQUEST request;
    if (headEnd == std::string::npos)
        return request;
    size_t lineStart = 0;
    size_t length = 0;
    bool first = true;
    while (lineStart < headEnd) {
        const size_t lineEnd = bytes.find("\r\n", lineStart);
        const std::string line = bytes.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            first = false;
            const size_t space = line.find(' ');
            request.method = line.substr(0, space);
            request.path = line.substr(space + 1, line.find(' ', space + 1) - space - 1);
            continue;
        }
        request.headers.push_back(line);
        if (NameOf(line) == "content-length")
            length = std::strtoul(line.substr(line.find(':') + 1).c_str(), nullptr, 10);
    }
    request.body = bytes.substr(headEnd + 4);
    length = std::min(length, kMaxBodyBytes);
    while (request.body.size() < length) {
        const int n = recv(client, chunk, sizeof(chunk), 0);
        if (n <= 0)
            break;
        request.body.append(chunk, static_cast<size_t>(n));
    }
    return request;
}

}  // namespace

void CLoopbackWifiModule::CheckForm(MODULE_REQUEST& request, const std::string& address)
{
    const std::string ssidPrefix = kSsidPrefix;
    bool restart = false;
    if (request.path == "/CN/do_cmd.html" && request.body.rfind(ssidPrefix, 0) == 0) {
        request.form = "ssid";
        if (!DecodeFormValue(request.body.substr(ssidPrefix.size()), request.ssid))
            request.fault = "the name is not encoded: " + request.body;
    } else if (request.path == "/CN/do_cmd.html" && request.body == kSecurityBody) {
        request.form = "security";
    } else if (request.path == "/CN/restart.html" && request.body == kRestartBody) {
        request.form = "restart";
        restart = true;
    } else {
        request.fault = "not a form of the module: " + request.path + " " + request.body;
        return;
    }
    if (request.method != "POST")
        request.fault = "method " + request.method;
    else if (const std::string headers = CompareHeaders(request.headers, ExpectedHeaders(address, restart));
             !headers.empty())
        request.fault = headers;
}

CLoopbackWifiModule::CLoopbackWifiModule(std::vector<MODULE_ANSWER> script)
    : m_script(std::move(script)), m_listener(INVALID_SOCKET)
{
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener, 8) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener != INVALID_SOCKET)
            closesocket(listener);
        return;
    }
    m_listener = listener;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
}

CLoopbackWifiModule::~CLoopbackWifiModule()
{
    m_stopping = true;
    if (m_listener != INVALID_SOCKET)
        closesocket(m_listener);
    if (m_thread.joinable())
        m_thread.join();
    WSACleanup();
}

std::vector<MODULE_REQUEST> CLoopbackWifiModule::Requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

void CLoopbackWifiModule::Serve()
{
    while (!m_stopping) {
        const SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        Answer(client);
        shutdown(client, SD_SEND);
        closesocket(client);
    }
}

void CLoopbackWifiModule::Answer(uintptr_t socketValue)
{
    const auto client = static_cast<SOCKET>(socketValue);
    MODULE_REQUEST request = ReadRequest(client);
    CheckForm(request, "127.0.0.1");
    MODULE_ANSWER answer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(request);
        if (m_next < m_script.size())
            answer = m_script[m_next++];
    }
    if (answer.hangUp)
        return;
    if (answer.stall) {
        char chunk[256];
        while (!m_stopping) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(client, &readable);
            timeval pause = {0, 100000};
            if (select(0, &readable, nullptr, nullptr, &pause) > 0 && recv(client, chunk, sizeof(chunk), 0) <= 0)
                break;
        }
        return;
    }
    // A redirect names no page to go to, so the client cannot follow it and sees the 302 itself.
    const std::string page = "<html>ok</html>";
    const size_t promised = answer.cutShort ? page.size() + 1000 : page.size();
    SendAll(client, "HTTP/1.1 " + std::to_string(answer.status) + " " + ReasonOf(answer.status) +
                        "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(promised) +
                        "\r\nConnection: close\r\n\r\n" + page);
}
