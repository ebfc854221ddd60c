#pragma once
// The wireless module's configuration pages, as a small HTTP server on 127.0.0.1 inside a test
// process. It answers each request as its script says (then 200 for the rest), keeps what it
// received, and checks every request against the module's three forms, byte for byte.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct MODULE_ANSWER {
    int status = 200;
    bool cutShort = false;  // a page that promises more bytes than it sends
    bool stall = false;     // no answer at all until the client gives up
    bool hangUp = false;    // the connection closed without an answer
};

struct MODULE_REQUEST {
    std::string method;
    std::string path;
    std::vector<std::string> headers;  // as received, in order
    std::string body;
    std::string form;   // "ssid", "security", "restart", or empty when it is none of the three
    std::string ssid;   // the name a "ssid" form sets, decoded
    std::string fault;  // what differs from the form it claims to be; empty when it is exact
};

class CLoopbackWifiModule {
public:
    explicit CLoopbackWifiModule(std::vector<MODULE_ANSWER> script = {});
    ~CLoopbackWifiModule();
    CLoopbackWifiModule(const CLoopbackWifiModule&) = delete;
    CLoopbackWifiModule& operator=(const CLoopbackWifiModule&) = delete;

    unsigned short Port() const { return m_port; }
    std::vector<MODULE_REQUEST> Requests() const;

    // The module's check of one request, for the address it is reached at.
    static void CheckForm(MODULE_REQUEST& request, const std::string& address);

private:
    void Serve();
    void Answer(uintptr_t client);

    std::vector<MODULE_ANSWER> m_script;
    size_t m_next = 0;
    mutable std::mutex m_mutex;
    std::vector<MODULE_REQUEST> m_requests;
    uintptr_t m_listener;
    unsigned short m_port = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};
