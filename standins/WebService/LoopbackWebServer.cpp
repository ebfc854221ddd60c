#include "LoopbackWebServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr size_t kMaxRequestBytes = 16384;

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// False when the client has gone.
bool SendAll(SOCKET client, const std::string& bytes)
{
    size_t sent = 0;
    while (sent < bytes.size()) {
        const int n = send(client, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

std::string Header(int status, size_t length)
{
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
           "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
           "\r\nConnection: close\r\n\r\n";
}

// A header with no length: the body runs until the connection closes.
std::string HeaderWithoutLength()
{
    return "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
}

// The request head, up to its blank line (bounded).
std::string ReadRequest(SOCKET client)
{
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
        const int n = recv(client, chunk, sizeof(chunk), 0);
        if (n <= 0)
            break;
        request.append(chunk, static_cast<size_t>(n));
    }
    return request;
}

bool IsPlainQueryByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("-_.=&%+,~", c) != nullptr);
}

// The query as it stands in a file name: no separator, nothing a file name cannot hold.
std::string QueryInFileName(const std::string& query)
{
    static const char* const kHex = "0123456789ABCDEF";
    std::string name;
    for (const char byte : query) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsPlainQueryByte(c)) {
            name += byte;
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 0x0F];
        }
    }
    return name;
}

// The request's path below the folder: leading and doubled slashes dropped; empty when it could
// leave the folder.
std::string RelativePath(std::string path)
{
    while (!path.empty() && path.front() == '/')
        path.erase(path.begin());
    for (size_t at = path.find("//"); at != std::string::npos; at = path.find("//"))
        path.erase(at, 1);
    if (path.find("..") != std::string::npos || path.find_first_of("\\:") != std::string::npos)
        return {};
    return path;
}

// The names that may answer "GET /path?query HTTP/1.1", most particular first (see the header);
// none when the path would leave the folder.
std::vector<std::filesystem::path> CandidateFiles(const std::filesystem::path& folder, const std::string& requestLine)
{
    const size_t start = requestLine.find(' ');
    const size_t end = requestLine.find_first_of("? ", start + 1);
    if (start == std::string::npos || end == std::string::npos)
        return {};
    const std::string path = RelativePath(requestLine.substr(start + 1, end - start - 1));
    if (path.empty())
        return {};
    std::vector<std::filesystem::path> names;
    if (requestLine[end] == '?') {
        const size_t queryEnd = requestLine.find(' ', end);
        std::string query = requestLine.substr(end + 1, queryEnd == std::string::npos ? queryEnd : queryEnd - end - 1);
        for (size_t next = 0; next != std::string::npos; query.erase(0, next + 1)) {
            names.push_back(folder / (path + "@" + QueryInFileName(query)));
            next = query.find('&');
        }
    }
    names.push_back(folder / path);
    return names;
}

bool IsFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::filesystem::path WithSuffix(const std::filesystem::path& file, const char* suffix)
{
    return std::filesystem::path(file.string() + suffix);
}

// The first candidate that exists as such or with a companion; empty when none does.
std::filesystem::path FileOf(const std::filesystem::path& folder, const std::string& requestLine)
{
    for (const std::filesystem::path& name : CandidateFiles(folder, requestLine)) {
        for (const char* suffix : {"", ".status", ".stall", ".trickle", ".unsized", ".endless"}) {
            if (IsFile(WithSuffix(name, suffix)))
                return name;
        }
    }
    return {};
}

}  // namespace

CLoopbackWebServer::CLoopbackWebServer(std::filesystem::path folder, unsigned short port)
    : m_folder(std::move(folder)), m_listener(INVALID_SOCKET)
{
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (port != 0 && listener != INVALID_SOCKET) {
        // A service restarted on its fixed port must not wait for the closed connections of its
        // previous run (under Wine the host's rule applies: they would hold the port a minute).
        const BOOL reuse = TRUE;
        setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof(reuse));
    }
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

CLoopbackWebServer::~CLoopbackWebServer()
{
    m_stopping = true;
    if (m_listener != INVALID_SOCKET)
        closesocket(m_listener);
    if (m_thread.joinable())
        m_thread.join();
    WSACleanup();
}

std::string CLoopbackWebServer::RequestLog() const
{
    const std::lock_guard<std::mutex> hold(m_logLock);
    return ReadAll(m_folder / "requests.log");
}

void CLoopbackWebServer::Serve()
{
    while (!m_stopping) {
        const SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            break;
        m_clients.remove_if([](Client& served) {
            if (!*served.Done)
                return false;
            served.Thread.join();
            return true;
        });
        auto done = std::make_shared<std::atomic<bool>>(false);
        m_clients.push_back(Client{std::thread([this, client, done] {
                                       ServeClient(client);
                                       *done = true;
                                   }),
                                   done});
    }
    for (Client& served : m_clients)
        served.Thread.join();
    m_clients.clear();
}

void CLoopbackWebServer::ServeClient(uintptr_t socketValue)
{
    const auto client = static_cast<SOCKET>(socketValue);
    // A client that connects and then says nothing is given up after a while.
    const DWORD receiveLimitMs = 10000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receiveLimitMs), sizeof(receiveLimitMs));
    Answer(client);
    shutdown(client, SD_SEND);
    closesocket(client);
}

void CLoopbackWebServer::Log(const std::string& line)
{
    const std::lock_guard<std::mutex> hold(m_logLock);
    std::ofstream(m_folder / "requests.log", std::ios::app) << line << "\n";
}

void CLoopbackWebServer::Answer(uintptr_t socketValue)
{
    const auto client = static_cast<SOCKET>(socketValue);
    const std::string request = ReadRequest(client);
    const std::string line = request.substr(0, request.find("\r\n"));
    Log(line);
    const std::filesystem::path file = FileOf(m_folder, line);
    if (file.empty()) {
        SendAll(client, Header(404, 0));
    } else if (IsFile(WithSuffix(file, ".status"))) {
        SendAll(client, Header(std::atoi(ReadAll(WithSuffix(file, ".status")).c_str()), 0));
    } else if (IsFile(WithSuffix(file, ".stall"))) {
        const std::string bytes = ReadAll(WithSuffix(file, ".stall"));
        SendAll(client, Header(200, bytes.size() + 1000000) + bytes);
        // Hold the connection until the client closes it or the server stops.
        char chunk[256];
        while (!m_stopping) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(client, &readable);
            timeval pause = {0, 100000};
            if (select(0, &readable, nullptr, nullptr, &pause) > 0 && recv(client, chunk, sizeof(chunk), 0) <= 0)
                break;
        }
    } else if (IsFile(WithSuffix(file, ".trickle"))) {
        const std::string bytes = ReadAll(WithSuffix(file, ".trickle"));
        SendAll(client, Header(200, bytes.size()));
        constexpr size_t kPieces = 16;
        const size_t piece = (bytes.size() + kPieces - 1) / kPieces;
        for (size_t at = 0; at < bytes.size() && !m_stopping; at += piece) {
            Sleep(100);
            SendAll(client, bytes.substr(at, piece));
        }
    } else if (IsFile(WithSuffix(file, ".unsized"))) {
        SendAll(client, HeaderWithoutLength() + ReadAll(WithSuffix(file, ".unsized")));
    } else if (IsFile(WithSuffix(file, ".endless"))) {
        const std::string bytes = ReadAll(WithSuffix(file, ".endless"));
        // A client that neither reads nor closes must not hold the server's stop.
        const DWORD sendLimitMs = 10000;
        setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendLimitMs), sizeof(sendLimitMs));
        bool sending = SendAll(client, HeaderWithoutLength()) && !bytes.empty();
        while (sending && !m_stopping)
            sending = SendAll(client, bytes);
    } else {
        const std::string bytes = ReadAll(file);
        SendAll(client, Header(200, bytes.size()) + bytes);
    }
}
