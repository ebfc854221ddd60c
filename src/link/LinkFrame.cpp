#include "LinkFrame.h"

#include <algorithm>

uint8_t LinkFrameSum(std::span<const uint8_t> bytes)
{
    unsigned sum = 0;
    for (const uint8_t byte : bytes)
        sum += byte;
    return static_cast<uint8_t>(sum);
}

std::vector<uint8_t> BuildLinkFrame(uint8_t counter, std::span<const uint8_t> data)
{
    if (data.size() > kLinkFrameMaxData)
        return {};
    const auto length = static_cast<uint16_t>(data.size());
    std::vector<uint8_t> frame(data.size() + kLinkFrameOverhead);
    frame[0] = kLinkFrameStart;
    frame[1] = kLinkFrameSecond;
    frame[kLinkLengthHighOffset] = static_cast<uint8_t>(length >> 8);
    frame[kLinkLengthLowOffset] = static_cast<uint8_t>(length);
    frame[kLinkComplementHighOffset] = static_cast<uint8_t>(~frame[kLinkLengthHighOffset]);
    frame[kLinkComplementLowOffset] = static_cast<uint8_t>(~frame[kLinkLengthLowOffset]);
    frame[kLinkCounterOffset] = counter;
    std::copy(data.begin(), data.end(), frame.begin() + kLinkDataOffset);
    frame.back() = LinkFrameSum(std::span(frame).first(frame.size() - 1));
    return frame;
}

bool IsLinkWaitFrame(std::span<const uint8_t> data)
{
    return std::ranges::equal(data, kLinkWaitFrameData);
}
