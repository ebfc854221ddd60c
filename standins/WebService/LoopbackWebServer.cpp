#include "LoopbackWebServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <fstream>
#include <sstream>

namespace {

constexpr size_t kMaxRequestBytes = 16384;

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
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

std::string Header(int status, size_t length)
{
    return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
           "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(length) +
           "\r\nConnection: close\r\n\r\n";
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

// The path of "GET /path?query HTTP/1.1" below the folder, or empty when it would leave it.
std::filesystem::path FileOf(const std::filesystem::path& folder, const std::string& requestLine)
{
    const size_t start = requestLine.find(' ');
    const size_t end = requestLine.find_first_of("? ", start + 1);
    if (start == std::string::npos || end == std::string::npos)
        return {};
    std::string path = requestLine.substr(start + 1, end - start - 1);
    while (!path.empty() && path.front() == '/')
        path.erase(path.begin());
    for (size_t at = path.find("//"); at != std::string::npos; at = path.find("//"))
        path.erase(at, 1);
    if (path.empty() || path.find("..") != std::string::npos)
        return {};
    return folder / path;
}

}  // namespace

CLoopbackWebServer::CLoopbackWebServer(std::filesystem::path folder)
    : m_folder(std::move(folder)), m_listener(INVALID_SOCKET)
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
    return ReadAll(m_folder / "requests.log");
}

void CLoopbackWebServer::Serve()
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

void CLoopbackWebServer::Answer(uintptr_t socketValue)
{
    const auto client = static_cast<SOCKET>(socketValue);
    const std::string request = ReadRequest(client);
    const std::string line = request.substr(0, request.find("\r\n"));
    std::ofstream(m_folder / "requests.log", std::ios::app) << line << "\n";
    const std::filesystem::path file = FileOf(m_folder, line);
    auto with = [&](const char* suffix) { return std::filesystem::path(file.string() + suffix); };
    if (!file.empty() && std::filesystem::is_regular_file(with(".status"))) {
        SendAll(client, Header(std::stoi("0" + ReadAll(with(".status"))), 0));
    } else if (!file.empty() && std::filesystem::is_regular_file(with(".stall"))) {
        const std::string bytes = ReadAll(with(".stall"));
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
    } else if (!file.empty() && std::filesystem::is_regular_file(file)) {
        const std::string bytes = ReadAll(file);
        SendAll(client, Header(200, bytes.size()) + bytes);
    } else {
        SendAll(client, Header(404, 0));
    }
}
