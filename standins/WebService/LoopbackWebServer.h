#pragma once
// The maker's web service and download server, as a small HTTP server on 127.0.0.1 (never another
// address) that serves a folder: inside a test process, or as the program WebService.exe. It logs
// each request line to "requests.log" in the folder and answers every GET from a file below it.
//
// Which file: a request "GET /<path>?<query>" is answered from the first of these names that
// exists, as such or with one of the companions below:
//   "<path>@<query>"                       for that query exactly;
//   "<path>@<query less leading parameters>", dropping one leading parameter at a time, so
//                                          "Interface/productList.aspx@LanguageCode=EN&iType=1"
//                                          answers "sn=<any>&LanguageCode=EN&iType=1";
//   "<path>"                               for every query alike (and for a request without one).
// Doubled slashes in the path count as one ("Interface//getTxt.aspx" is "Interface/getTxt.aspx");
// a path with ".." is never served. In the query part of a name every byte but letters, digits
// and "-_.=&%+,~" is written "%XX" (upper-case hexadecimal), so no query reaches another folder.
//
// What is sent for the name chosen:
//   "<name>"          its bytes, status 200 ("Interface/productList.aspx" holds that request's JSON);
//   "<name>.status"   holds a status code, served with an empty body instead;
//   "<name>.stall"    the file is sent with a length that promises more, then nothing further
//                     comes until the client gives up or the server stops;
//   "<name>.trickle"  the file is sent whole, but slowly: in 16 pieces, one every 100 ms;
//   "<name>.unsized"  the file is sent whole with no length: the body ends when the server closes;
//   "<name>.endless"  with no length, the file is sent again and again until the client closes
//                     or the server stops;
//   none of these     404.
// Clients are served side by side, so one held by a stalled download never holds the rest.
#include <atomic>
#include <filesystem>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class CLoopbackWebServer {
public:
    // Port 0 takes any free port.
    explicit CLoopbackWebServer(std::filesystem::path folder, unsigned short port = 0);
    ~CLoopbackWebServer();
    CLoopbackWebServer(const CLoopbackWebServer&) = delete;
    CLoopbackWebServer& operator=(const CLoopbackWebServer&) = delete;

    // The port it listens on; 0 when it could not start.
    unsigned short Port() const { return m_port; }
    // The request lines served so far ("GET /path?query HTTP/1.1"), one a line.
    std::string RequestLog() const;

private:
    struct Client {
        std::thread Thread;
        std::shared_ptr<std::atomic<bool>> Done;
    };

    void Serve();
    void ServeClient(uintptr_t client);
    void Answer(uintptr_t client);
    void Log(const std::string& line);

    std::filesystem::path m_folder;
    uintptr_t m_listener;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
    std::list<Client> m_clients;  // only the serving thread touches it
    mutable std::mutex m_logLock;
};
