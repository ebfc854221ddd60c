// Any bytes from the device: the reader must neither read nor write out of bounds, must end, and
// must return only the data of a well-formed frame for its request.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "LinkFrame.h"
#include "LinkFrameReader.h"

namespace {

// Hands over the input one byte per poll, with an empty poll every `gap` polls (0: never).
class CStreamObject final : public CLinkTransportObject {
public:
    CStreamObject(const uint8_t* data, size_t size, unsigned gap) : m_data(data), m_size(size), m_gap(gap) {}

    void Unused() override {}
    int32_t Open(int32_t) override { return 1; }
    int32_t Write(const uint8_t*, int32_t count) override { return count; }
    int32_t Read(uint8_t* buffer, int32_t count) override
    {
        ++now;
        if (count < 1 || m_position >= m_size || (m_gap && ++m_polls % m_gap == 0))
            return 0;
        buffer[0] = m_data[m_position++];
        return 1;
    }
    int32_t Close() override { return 1; }
    int32_t Reset() override { return 0; }

    uint32_t now = 0;

private:
    const uint8_t* m_data;
    size_t m_size;
    unsigned m_gap;
    size_t m_position = 0;
    unsigned m_polls = 0;
};

bool Contains(const uint8_t* data, size_t size, const std::vector<uint8_t>& frame)
{
    return !frame.empty() && std::search(data, data + size, frame.begin(), frame.end()) != data + size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const size_t room = size_t{data[0]} * 4;
    const uint8_t counter = data[1];
    const unsigned gap = data[2] % 8;
    const uint8_t* stream = data + 3;
    const size_t streamSize = size - 3;

    CStreamObject object(stream, streamSize, gap);
    std::vector<uint8_t> buffer(room);
    const int result = ReadLinkFrame(object, counter, buffer, 500, [&] { return object.now; });
    if (result != -1 && result != -12 && (result < 1 || static_cast<size_t>(result) > std::min(room, kLinkFrameMaxData)))
        __builtin_trap();
    if (result > 0) {
        const std::vector<uint8_t> got(buffer.begin(), buffer.begin() + result);
        if (IsLinkWaitFrame(got) ||
            !(Contains(stream, streamSize, BuildLinkFrame(counter, got)) ||
              Contains(stream, streamSize, BuildLinkFrame(kLinkAnyCounter, got))))
            __builtin_trap();
    }
    // However many wait frames come, the read ends soon after the window in which they restart it.
    if (object.now > (kLinkWaitRestartFactor + 1) * 500 + 100)
        __builtin_trap();
    return 0;
}
