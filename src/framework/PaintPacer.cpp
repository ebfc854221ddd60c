#include "PaintPacer.h"

#include <algorithm>

void CPaintPacer::NoteTurn(uint64_t now)
{
    if (!m_holding) {
        m_holding = true;
        m_holdSince = now;
    }
    m_lastTurn = now;
}

bool CPaintPacer::HoldsPaints(uint64_t now)
{
    if (m_holding && (now < m_lastTurn || now - m_lastTurn >= kQuietUs || now - m_holdSince >= kLongestHoldUs))
        m_holding = false;
    return m_holding;
}

uint32_t CPaintPacer::HoldLeftMs(uint64_t now) const
{
    if (!m_holding || now < m_lastTurn)
        return 0;
    const uint64_t quietEnd = m_lastTurn + kQuietUs;
    const uint64_t holdEnd = m_holdSince + kLongestHoldUs;
    const uint64_t end = std::min(quietEnd, holdEnd);
    return end <= now ? 0 : static_cast<uint32_t>((end - now + 999) / 1000);
}
