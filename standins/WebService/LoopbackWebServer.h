#pragma once
// The maker's web service and download server, as a small HTTP server on 127.0.0.1 that runs inside
// a test process. It answers every GET with the file its path names below the served folder
// (the query is not looked at), and logs each request line to "requests.log" there:
//   "<path>"          served with status 200 ("Interface/productList.aspx" holds that request's JSON);
//   "<path>.status"   holds a status code, served with an empty body instead;
//   "<path>.stall"    the file is sent with a length that promises more, then nothing further
//                     comes until the client gives up or the server stops;
//   anything else     404.
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

class CLoopbackWebServer {
public:
    explicit CLoopbackWebServer(std::filesystem::path folder);
    ~CLoopbackWebServer();
    CLoopbackWebServer(const CLoopbackWebServer&) = delete;
    CLoopbackWebServer& operator=(const CLoopbackWebServer&) = delete;

    // The port it listens on; 0 when it could not start.
    unsigned short Port() const { return m_port; }
    // The request lines served so far ("GET /path?query HTTP/1.1"), one a line.
    std::string RequestLog() const;

private:
    void Serve();
    void Answer(uintptr_t client);

    std::filesystem::path m_folder;
    uintptr_t m_listener;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};
