#include "LinkFrameReader.h"

#include <algorithm>

CLinkFrameReader::CLinkFrameReader(uint8_t counter, size_t room, LinkTraceSink trace)
    : m_counter(counter), m_room(room), m_trace(std::move(trace))
{
}

std::span<const uint8_t> CLinkFrameReader::Data() const
{
    return std::span(m_frame).subspan(kLinkDataOffset, m_length);
}

void CLinkFrameReader::Drop(LinkReaderNote why)
{
    if (m_trace)
        m_trace(why);
    m_state = State::kHunting;
    m_filled = 0;
}

LinkReaderStep CLinkFrameReader::Offer(std::optional<uint8_t> polled)
{
    switch (m_state) {
    case State::kHunting:
        if (polled == kLinkFrameStart) {
            m_frame[0] = kLinkFrameStart;
            m_state = State::kPairing;
            m_pairPolls = 0;
        }
        return LinkReaderStep::kMore;
    case State::kPairing:
        if (!polled) {
            if (++m_pairPolls >= kPairPolls)
                Drop(LinkReaderNote::kUnpairedStart);
            return LinkReaderStep::kMore;
        }
        // Any other byte, a second 0xAA too, is dropped with the first: AA AA 55 starts no frame.
        if (*polled != kLinkFrameSecond) {
            Drop(LinkReaderNote::kUnpairedStart);
            return LinkReaderStep::kMore;
        }
        m_frame[1] = kLinkFrameSecond;
        m_filled = 2;
        m_state = State::kCollecting;
        return LinkReaderStep::kMore;
    case State::kCollecting:
        if (!polled)
            return LinkReaderStep::kMore;
        m_frame[m_filled++] = *polled;
        if (m_filled == kLinkHeaderSize)
            return CheckHeader();
        if (m_filled == m_length + kLinkFrameOverhead)
            return CheckFrame();
        return LinkReaderStep::kMore;
    }
    return LinkReaderStep::kMore;
}

LinkReaderStep CLinkFrameReader::CheckHeader()
{
    const uint8_t high = m_frame[kLinkLengthHighOffset];
    const uint8_t low = m_frame[kLinkLengthLowOffset];
    m_length = static_cast<size_t>(high) << 8 | low;
    if (m_length < 1) {
        Drop(LinkReaderNote::kZeroLength);
        return LinkReaderStep::kMore;
    }
    // A corrupt header is a broken frame like any other; only a well-formed one may end the read
    // as too long.
    if (m_frame[kLinkComplementHighOffset] != static_cast<uint8_t>(~high) ||
        m_frame[kLinkComplementLowOffset] != static_cast<uint8_t>(~low)) {
        Drop(LinkReaderNote::kBadLengthComplement);
        return LinkReaderStep::kMore;
    }
    if (m_length > m_room || m_length > kLinkFrameMaxData) {
        m_state = State::kHunting;
        m_filled = 0;
        return LinkReaderStep::kTooLong;
    }
    const uint8_t counter = m_frame[kLinkCounterOffset];
    if (counter != kLinkAnyCounter && counter != m_counter) {
        Drop(LinkReaderNote::kForeignCounter);
        return LinkReaderStep::kMore;
    }
    return LinkReaderStep::kMore;
}

LinkReaderStep CLinkFrameReader::CheckFrame()
{
    const size_t sumOffset = kLinkDataOffset + m_length;
    if (LinkFrameSum(std::span(m_frame).first(sumOffset)) != m_frame[sumOffset]) {
        Drop(LinkReaderNote::kBadSum);
        return LinkReaderStep::kMore;
    }
    m_state = State::kHunting;
    m_filled = 0;
    if (IsLinkWaitFrame(Data())) {
        if (m_trace)
            m_trace(LinkReaderNote::kWaitFrame);
        return LinkReaderStep::kWaitFrame;
    }
    return LinkReaderStep::kFrame;
}

int ReadLinkFrame(CLinkTransportObject& object, uint8_t counter, std::span<uint8_t> buffer, int32_t timeoutMs,
                  const LinkTickSource& ticks, const LinkTraceSink& trace)
{
    const uint32_t timeout = static_cast<uint32_t>(std::max<int32_t>(timeoutMs, 0));
    const uint64_t restartWindow = uint64_t{timeout} * kLinkWaitRestartFactor;
    const uint32_t readStart = ticks();
    uint32_t start = readStart;
    // Unsigned differences, so the wrap of the tick counter does no harm.
    const auto expired = [&] { return static_cast<uint32_t>(ticks() - start) > timeout; };

    CLinkFrameReader reader(counter, buffer.size(), trace);
    if (expired())
        return kLinkReadTimedOut;
    for (;;) {
        uint8_t byte = 0;
        const bool received = object.Read(&byte, 1) == 1;
        switch (reader.Offer(received ? std::optional<uint8_t>(byte) : std::nullopt)) {
        case LinkReaderStep::kFrame: {
            const auto data = reader.Data();
            std::ranges::copy(data, buffer.begin());
            return static_cast<int>(data.size());
        }
        case LinkReaderStep::kTooLong:
            return kLinkReadTooLong;
        case LinkReaderStep::kWaitFrame: {
            const uint32_t now = ticks();
            if (static_cast<uint32_t>(now - readStart) < restartWindow)
                start = now;
            break;
        }
        case LinkReaderStep::kMore:
            break;
        }
        if (!reader.IsPairing() && expired())
            return kLinkReadTimedOut;
    }
}
