#pragma once
// An in-process stand-in for the library's transport object: bytes scheduled on a fake clock that
// advances by one millisecond at every poll, so time-outs of seconds pass in microseconds. With a
// simulated device attached, what the program writes reaches the device and its replies are
// scheduled as it asks.
#include <cstdint>
#include <deque>
#include <vector>

#include "LinkFrameReader.h"
#include "LinkLibrary.h"
#include "SimulatedDevice.h"

class CFakeLinkObject final : public CLinkTransportObject {
public:
    explicit CFakeLinkObject(uint32_t startTick = 0) : m_now(startTick) {}

    void LINK_MEMBER_CALL Unused() override { ++unusedCalls; }
    int32_t LINK_MEMBER_CALL Open(int32_t flag) override;
    int32_t LINK_MEMBER_CALL Write(const uint8_t* bytes, int32_t count) override;
    int32_t LINK_MEMBER_CALL Read(uint8_t* buffer, int32_t count) override;
    int32_t LINK_MEMBER_CALL Close() override;
    int32_t LINK_MEMBER_CALL Reset() override;

    // Bytes that arrive `delayMs` from now.
    void Schedule(uint32_t delayMs, std::vector<uint8_t> bytes);
    void Attach(CSimulatedDevice* device) { m_device = device; }

    uint32_t Now() const { return m_now; }
    LinkTickSource Ticks() { return [this] { return m_now; }; }
    size_t Pending() const { return m_scheduled.size() + m_arrived.size(); }

    // What the program did.
    std::vector<int32_t> openFlags;
    std::vector<std::vector<uint8_t>> writes;
    int reads = 0;
    int closes = 0;
    int resets = 0;
    int unusedCalls = 0;
    // What the operations give back.
    int32_t openResult = 1;
    int32_t resetResult = 0;

private:
    struct SCHEDULED {
        uint32_t due;
        std::vector<uint8_t> bytes;
    };

    uint32_t m_now;
    std::vector<SCHEDULED> m_scheduled;
    std::deque<uint8_t> m_arrived;
    CSimulatedDevice* m_device = nullptr;
};
