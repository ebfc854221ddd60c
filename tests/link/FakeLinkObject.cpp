#include "FakeLinkObject.h"

#include <algorithm>

int32_t CFakeLinkObject::Open(int32_t flag)
{
    openFlags.push_back(flag);
    // As the stand-in library does: nothing of an earlier use passes for a reply.
    m_arrived.clear();
    m_scheduled.clear();
    if (m_device)
        return m_device->Open(flag) ? 1 : 0;
    return openResult;
}

int32_t CFakeLinkObject::Write(const uint8_t* bytes, int32_t count)
{
    writes.emplace_back(bytes, bytes + count);
    if (m_device) {
        for (SIM_DELIVERY& delivery : m_device->Receive(writes.back()))
            Schedule(delivery.delayMs, std::move(delivery.bytes));
    }
    return count;
}

int32_t CFakeLinkObject::Read(uint8_t* buffer, int32_t count)
{
    ++reads;
    ++m_now;
    // Whole deliveries arrive at once, in the order they fall due.
    while (!m_scheduled.empty() && static_cast<int32_t>(m_now - m_scheduled.front().due) >= 0) {
        m_arrived.insert(m_arrived.end(), m_scheduled.front().bytes.begin(), m_scheduled.front().bytes.end());
        m_scheduled.erase(m_scheduled.begin());
    }
    int32_t taken = 0;
    while (taken < count && !m_arrived.empty()) {
        buffer[taken++] = m_arrived.front();
        m_arrived.pop_front();
    }
    return taken;
}

int32_t CFakeLinkObject::Close()
{
    ++closes;
    if (m_device)
        m_device->Close();
    return 1;
}

int32_t CFakeLinkObject::Reset()
{
    ++resets;
    if (m_device)
        return m_device->Reset();
    return resetResult;
}

void CFakeLinkObject::Schedule(uint32_t delayMs, std::vector<uint8_t> bytes)
{
    // Kept in order of the time still to wait, which survives the wrap of the clock.
    const auto later = std::find_if(m_scheduled.begin(), m_scheduled.end(),
                                    [&](const SCHEDULED& s) { return s.due - m_now > delayMs; });
    m_scheduled.insert(later, {m_now + delayMs, std::move(bytes)});
}
