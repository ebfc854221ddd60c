// Stand-in for the link library "Link.dll": the transport object of LinkLibrary.h, reaching the
// simulated vehicle interface in the separate simulator process (LinkSimulator.exe) over a named
// pipe. The program loads and unloads the library for every exchange, so everything the device
// knows lives in the simulator; the library holds only the open pipe and the bytes received.
//
// Read never waits: it hands over bytes already received and returns 0 when there are none. The
// simulator sends each reply as one message and the library takes only whole messages, so a reply
// that has started is there complete.
#include <windows.h>

#include <deque>
#include <new>

#include "LinkLibrary.h"
#include "SimulatorPipe.h"

namespace {

constexpr DWORD kConnectTimeoutMs = 2000;
constexpr DWORD kOpenAnswerTimeoutMs = 2000;

class CStandInTransport final : public CLinkTransportObject {
public:
    ~CStandInTransport() { Disconnect(); }

    void LINK_MEMBER_CALL Unused() override {}

    int32_t LINK_MEMBER_CALL Open(int32_t flag) override
    {
        Disconnect();
        if (!ConnectPipe())
            return 0;
        uint8_t payload[4];
        for (int i = 0; i < 4; ++i)
            payload[i] = static_cast<uint8_t>(static_cast<uint32_t>(flag) >> (8 * i));
        if (!SendPipeMessage(m_pipe, kPipeOpen, payload, sizeof(payload)) || !AwaitOpenAnswer()) {
            Disconnect();
            return 0;
        }
        return 1;
    }

    int32_t LINK_MEMBER_CALL Write(const uint8_t* bytes, int32_t count) override
    {
        if (m_pipe == INVALID_HANDLE_VALUE || !bytes || count <= 0)
            return 0;
        return SendPipeMessage(m_pipe, kPipeWrite, bytes, static_cast<size_t>(count)) ? count : 0;
    }

    int32_t LINK_MEMBER_CALL Read(uint8_t* buffer, int32_t count) override
    {
        if (!buffer || count <= 0)
            return 0;
        if (m_received.empty())
            Pump();
        int32_t taken = 0;
        while (taken < count && !m_received.empty()) {
            buffer[taken++] = m_received.front();
            m_received.pop_front();
        }
        return taken;
    }

    int32_t LINK_MEMBER_CALL Close() override
    {
        if (m_pipe != INVALID_HANDLE_VALUE)
            SendPipeMessage(m_pipe, kPipeClose, nullptr, 0);
        Disconnect();
        return 1;
    }

    int32_t LINK_MEMBER_CALL Reset() override
    {
        if (m_pipe != INVALID_HANDLE_VALUE)
            SendPipeMessage(m_pipe, kPipeReset, nullptr, 0);
        return 0;
    }

private:
    bool ConnectPipe()
    {
        const std::wstring name = SimulatorPipeName();
        const DWORD start = GetTickCount();
        for (;;) {
            m_pipe = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (m_pipe != INVALID_HANDLE_VALUE)
                return true;
            // No simulator: no device. A busy one gets a short, bounded wait for its next instance.
            if (GetLastError() != ERROR_PIPE_BUSY || GetTickCount() - start > kConnectTimeoutMs)
                return false;
            WaitNamedPipeW(name.c_str(), 100);
        }
    }

    bool AwaitOpenAnswer()
    {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start <= kOpenAnswerTimeoutMs) {
            uint8_t type = 0;
            std::vector<uint8_t> payload;
            switch (TakeMessage(type, payload)) {
            case Take::kBroken:
                return false;
            case Take::kNone:
                Sleep(1);
                break;
            case Take::kTaken:
                if (type == kPipeOpenAnswer)
                    return payload.size() == 1 && payload[0] != 0;
                break;
            }
        }
        return false;
    }

    enum class Take { kNone, kTaken, kBroken };

    // Takes one message when it has arrived whole; never waits.
    Take TakeMessage(uint8_t& type, std::vector<uint8_t>& payload)
    {
        uint8_t header[kPipeHeaderSize] = {};
        DWORD peeked = 0;
        DWORD available = 0;
        if (!PeekNamedPipe(m_pipe, header, kPipeHeaderSize, &peeked, &available, nullptr))
            return Take::kBroken;
        if (peeked < kPipeHeaderSize)
            return Take::kNone;
        const uint32_t size = PipePayloadSize(header);
        if (size > kPipeMaxPayload)
            return Take::kBroken;
        if (available < kPipeHeaderSize + size)
            return Take::kNone;
        return ReceivePipeMessage(m_pipe, type, payload) ? Take::kTaken : Take::kBroken;
    }

    void Pump()
    {
        while (m_pipe != INVALID_HANDLE_VALUE) {
            uint8_t type = 0;
            std::vector<uint8_t> payload;
            const Take taken = TakeMessage(type, payload);
            if (taken == Take::kBroken)
                Disconnect();
            if (taken != Take::kTaken)
                return;
            if (type == kPipeDeliver)
                m_received.insert(m_received.end(), payload.begin(), payload.end());
        }
    }

    void Disconnect()
    {
        if (m_pipe != INVALID_HANDLE_VALUE)
            CloseHandle(m_pipe);
        m_pipe = INVALID_HANDLE_VALUE;
        // Nothing of an earlier connection may pass for a reply to the next one.
        m_received.clear();
    }

    HANDLE m_pipe = INVALID_HANDLE_VALUE;
    std::deque<uint8_t> m_received;
};

CStandInTransport* g_transport = nullptr;

}  // namespace

extern "C" CLinkTransportObject* LINK_EXPORT_CALL CreatInstance(int32_t /*kind*/)
{
    if (!g_transport)
        g_transport = new (std::nothrow) CStandInTransport();
    return g_transport;
}

extern "C" void LINK_EXPORT_CALL DestroyInstance()
{
    delete g_transport;
    g_transport = nullptr;
}
