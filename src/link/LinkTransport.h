#pragma once
// One exchange with the vehicle interface device through the link library "Link.dll". Every caller
// makes a fresh LinkTransport on its own stack, connects, writes requests and reads their replies,
// disconnects, and lets the object go, which unloads the library again. User-interface thread only.
//
// In Demo Mode (run-mode flag "1") nothing is loaded and no device is touched: LinkConnect succeeds,
// LinkWriteFrame sends nothing and reports the length, LinkReadFrame gives -1 at once.
#include <windows.h>

#include <cstdint>

#include "LinkFrameReader.h"
#include "LinkLibrary.h"

class LinkTransport {
public:
    static constexpr int32_t kDefaultTimeoutMs = 2000;

    LinkTransport();   // LinkOpenLibrary
    ~LinkTransport();  // LinkClose
    LinkTransport(const LinkTransport&) = delete;
    LinkTransport& operator=(const LinkTransport&) = delete;

    // Opens the link: the library's open with flag 1 on the first open of the process, 0 after.
    // True when it opened; true at once in Demo Mode; false without a transport.
    bool LinkConnect();
    // Ends the use of the link; nothing in Demo Mode or without a transport.
    void LinkDisconnect();
    // Raises the counter and sends one frame around the data. Returns `length`, also when there is
    // no transport to send it to; -1 and nothing sent when the data does not fit one frame (more
    // than kLinkFrameMaxData bytes, a negative length, or no data for a non-zero length).
    int LinkWriteFrame(const uint8_t* data, int length);
    // Waits for the reply to the last frame written and copies its data into `buffer`. Returns the
    // data length, -12 when it is longer than `room`, -1 after the time-out, and -1 at once when
    // there is no transport.
    int LinkReadFrame(uint8_t* buffer, int room);
    void LinkSetTimeout(int32_t milliseconds) { m_timeoutMs = milliseconds; }
    // The library's sixth operation, passed back unchanged; 0 without a transport.
    int LinkReset();
    // Pulses the interface's CTS line by the two unframed texts the library understands. 0.
    int LinkPulseCts();

    // Stores the first USB-serial bridge port the system lists as COMMON\SYSTEM "COMMPORT" when
    // the stored port is not one of them.
    static void LinkSelectComPort();

    bool IsLibraryLoaded() const { return m_module != nullptr; }
    bool HasTransport() const { return m_transport != nullptr; }
    uint8_t Counter() const { return m_counter; }
    int32_t Timeout() const { return m_timeoutMs; }
    // Where the reader reports the frames it skips; the program itself traces nothing.
    void LinkSetTrace(LinkTraceSink trace) { m_trace = std::move(trace); }

private:
    void LinkOpenLibrary();
    void LinkClose();

    CLinkTransportObject* m_transport = nullptr;
    int32_t m_timeoutMs = kDefaultTimeoutMs;
    uint8_t m_counter = 0;
    HMODULE m_module = nullptr;
    LinkDestroyInstanceFn m_destroy = nullptr;  // set when "CreatInstance" was called
    bool m_demoMode = false;
    LinkTraceSink m_trace;
};

// Test seams, process-wide like the state they replace.
struct LINK_LIBRARY_ENTRIES {
    LinkCreateInstanceFn create;
    LinkDestroyInstanceFn destroy;
};
// Outside Demo Mode, construction takes these entry points instead of loading "Link.dll" (null:
// load the library again).
void LinkUseEntriesForTest(const LINK_LIBRARY_ENTRIES* entries);
// The clock of the read time-out (empty: the system tick count).
void LinkUseTickSourceForTest(LinkTickSource ticks);
// Forgets that the process has opened the link, so the next open passes the first-open flag again.
void LinkForgetFirstOpenForTest();
