#include "SimulatedDevice.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "LinkFrame.h"

namespace {

constexpr struct {
    LinkFault fault;
    const char* name;
} kFaultNames[] = {
    {LinkFault::kNone, "none"},
    {LinkFault::kLate, "late"},
    {LinkFault::kNoise, "noise"},
    {LinkFault::kDoubleStart, "double-start"},
    {LinkFault::kBadComplement, "bad-complement"},
    {LinkFault::kBadSum, "bad-sum"},
    {LinkFault::kForeignCounter, "foreign-counter"},
    {LinkFault::kCounterFF, "counter-ff"},
    {LinkFault::kZeroLength, "zero-length"},
    {LinkFault::kTooLong, "too-long"},
    {LinkFault::kWaitFrames, "wait-frames"},
    {LinkFault::kStalled, "stalled"},
    {LinkFault::kShort, "short"},
    {LinkFault::kSilent, "silent"},
    {LinkFault::kNoDevice, "no-device"},
};

// The reply to the link check (00 06): its content means nothing to the program.
constexpr uint8_t kLinkCheckReply[] = {0x00, 0x06, 'S', 'I', 'M', '1'};
constexpr size_t kSerialSize = 10;
constexpr size_t kProgramIdOffset = 1024;
constexpr size_t kTooLongData = kLinkFrameMaxData + 1;

template <typename Number>
bool ParseNumber(std::string_view text, Number& value)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

uint32_t ReadBigEndian(std::span<const uint8_t> bytes)
{
    uint32_t value = 0;
    for (const uint8_t byte : bytes)
        value = value << 8 | byte;
    return value;
}

std::vector<uint8_t> Concat(std::initializer_list<std::span<const uint8_t>> parts)
{
    std::vector<uint8_t> bytes;
    for (const auto part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// A frame whose checks pass, for the request's counter.
bool IsWholeFrame(std::span<const uint8_t> bytes, size_t& size)
{
    if (bytes.size() < kLinkFrameOverhead || bytes[0] != kLinkFrameStart || bytes[1] != kLinkFrameSecond)
        return false;
    const size_t length = size_t{bytes[2]} << 8 | bytes[3];
    if (bytes[4] != static_cast<uint8_t>(~bytes[2]) || bytes[5] != static_cast<uint8_t>(~bytes[3]) ||
        length + kLinkFrameOverhead > bytes.size())
        return false;
    size = length + kLinkFrameOverhead;
    return LinkFrameSum(bytes.first(size - 1)) == bytes[size - 1];
}

}  // namespace

const char* LinkFaultName(LinkFault fault)
{
    for (const auto& entry : kFaultNames) {
        if (entry.fault == fault)
            return entry.name;
    }
    return "none";
}

std::optional<LinkFault> LinkFaultFromName(std::string_view name)
{
    for (const auto& entry : kFaultNames) {
        if (name == entry.name)
            return entry.fault;
    }
    return std::nullopt;
}

bool ApplySimulatorOption(SIMULATOR_SETTINGS& settings, std::string_view name, std::string_view value)
{
    if (name == "fault") {
        const auto fault = LinkFaultFromName(value);
        if (fault)
            settings.fault = *fault;
        return fault.has_value();
    }
    if (name == "delay")
        return ParseNumber(value, settings.delayMs);
    if (name == "wait-gap")
        return ParseNumber(value, settings.waitGapMs);
    if (name == "wait-count")
        return ParseNumber(value, settings.waitCount);
    if (name == "version")
        return ParseNumber(value, settings.versionWord);
    if (name == "hardware")
        return ParseNumber(value, settings.hardwareVersion);
    if (name == "serial") {
        settings.serialNumber = std::string(value.substr(0, kSerialSize));
        return true;
    }
    if (name == "program") {
        const size_t colon = value.find(':');
        uint8_t slot = 0;
        uint32_t id = 0;
        if (colon == std::string_view::npos || !ParseNumber(value.substr(0, colon), slot) ||
            !ParseNumber(value.substr(colon + 1), id))
            return false;
        settings.programs[slot] = id;
        return true;
    }
    if (name == "command-status")
        return ParseNumber(value, settings.commandStatus);
    if (name == "pin-level")
        return ParseNumber(value, settings.pinLevel);
    return false;
}

bool ApplySimulatorControl(SIMULATOR_SETTINGS& settings, std::string_view text, std::string* error)
{
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const size_t space = line.find(' ');
        const std::string_view name = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
        if (!ApplySimulatorOption(settings, name, value)) {
            if (error)
                *error = std::string(line);
            return false;
        }
    }
    return true;
}

std::string HexText(std::span<const uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::vector<uint8_t> CSimulatedDevice::MakeFrame(uint8_t counter, std::span<const uint8_t> data)
{
    const size_t length = data.size();
    std::vector<uint8_t> frame = {kLinkFrameStart, kLinkFrameSecond, static_cast<uint8_t>(length >> 8),
                                  static_cast<uint8_t>(length)};
    frame.push_back(static_cast<uint8_t>(~frame[2]));
    frame.push_back(static_cast<uint8_t>(~frame[3]));
    frame.push_back(counter);
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(LinkFrameSum(frame));
    return frame;
}

void CSimulatedDevice::Log(const std::string& line) const
{
    if (m_log)
        m_log(line);
}

bool CSimulatedDevice::Open(int32_t flag)
{
    const bool present = m_settings.fault != LinkFault::kNoDevice;
    Log("open " + std::to_string(flag) + (present ? "" : " refused"));
    return present;
}

void CSimulatedDevice::Close()
{
    Log("close");
}

int32_t CSimulatedDevice::Reset()
{
    Log("reset");
    return 0;
}

std::vector<SIM_DELIVERY> CSimulatedDevice::Receive(std::span<const uint8_t> bytes)
{
    std::vector<SIM_DELIVERY> deliveries;
    size_t position = 0;
    while (position < bytes.size()) {
        const auto rest = bytes.subspan(position);
        size_t size = 0;
        if (IsWholeFrame(rest, size)) {
            const uint8_t counter = rest[kLinkCounterOffset];
            const auto data = rest.subspan(kLinkDataOffset, size - kLinkFrameOverhead);
            Log("frame " + HexText(std::span(&counter, 1)) + " " + HexText(data));
            if (m_settings.fault != LinkFault::kNoDevice) {
                if (const auto reply = Answer(data)) {
                    const auto sent = Misbehave(counter, *reply);
                    deliveries.insert(deliveries.end(), sent.begin(), sent.end());
                }
            }
            position += size;
            continue;
        }
        // Anything else up to the next frame start: unframed text such as the CTS pulse, or a
        // frame the program built wrongly.
        size_t next = position + 1;
        while (next + 1 < bytes.size() && !(bytes[next] == kLinkFrameStart && bytes[next + 1] == kLinkFrameSecond))
            ++next;
        if (next + 1 >= bytes.size())
            next = bytes.size();
        const auto skipped = bytes.subspan(position, next - position);
        const bool framed = skipped.size() >= 2 && skipped[0] == kLinkFrameStart && skipped[1] == kLinkFrameSecond;
        Log((framed ? "bad-frame " : "raw ") + HexText(skipped));
        position = next;
    }
    for (const SIM_DELIVERY& delivery : deliveries)
        Log("send +" + std::to_string(delivery.delayMs) + " " + HexText(delivery.bytes));
    return deliveries;
}

std::optional<std::vector<uint8_t>> CSimulatedDevice::Answer(std::span<const uint8_t> request)
{
    const auto is = [&](std::initializer_list<uint8_t> head) {
        return request.size() >= head.size() && std::equal(head.begin(), head.end(), request.begin());
    };
    if (request.size() == 3 && is({0x00, 0xFE})) {
        // The reset of page 0 is never answered; a reset of a loaded page is, with one byte.
        if (request[2] == 0)
            return std::nullopt;
        return std::vector<uint8_t>{0x00};
    }
    if (request.size() == 2 && is({0x00, 0x06}))
        return std::vector<uint8_t>(std::begin(kLinkCheckReply), std::end(kLinkCheckReply));
    if (request.size() == 2 && is({0x00, 0x01})) {
        std::vector<uint8_t> reply = {0x00, static_cast<uint8_t>(m_settings.versionWord >> 8),
                                      static_cast<uint8_t>(m_settings.versionWord),
                                      static_cast<uint8_t>(m_settings.hardwareVersion >> 8),
                                      static_cast<uint8_t>(m_settings.hardwareVersion)};
        std::string serial = m_settings.serialNumber;
        serial.resize(kSerialSize, '\0');
        reply.insert(reply.end(), serial.begin(), serial.end());
        return reply;
    }
    if (request.size() == 3 && is({0x00, 0x02, 0xFF})) {
        const auto programs = Programs();
        std::vector<uint8_t> reply = {static_cast<uint8_t>(programs.size())};
        for (const auto& [slot, id] : programs)
            reply.insert(reply.end(), {slot, static_cast<uint8_t>(id), static_cast<uint8_t>(id >> 8),
                                       static_cast<uint8_t>(id >> 16), static_cast<uint8_t>(id >> 24)});
        return reply;
    }
    if (request.size() >= 9 && is({0x00, 0x08})) {
        const uint32_t offset = ReadBigEndian(request.subspan(3, 4));
        const uint32_t length = ReadBigEndian(request.subspan(7, 2));
        if (length != request.size() - 9)
            return std::vector<uint8_t>{0xFF};
        return LoadChunk(request[2], offset, request.subspan(9));
    }
    if (request.size() >= 7 && is({0x00, 0x05})) {
        const uint32_t offset = ReadBigEndian(request.subspan(3, 2));
        const uint32_t length = ReadBigEndian(request.subspan(5, 2));
        if (length != request.size() - 7)
            return std::vector<uint8_t>{0xFF};
        return LoadChunk(request[2], offset, request.subspan(7));
    }
    if (request.size() == 4 && is({0x05, 0x01, 0x00})) {
        m_makerGroup = request[3];
        Log("group " + std::to_string(request[3]));
        return std::vector<uint8_t>{0x00};
    }
    if (is({0x01}) || is({0x02}))
        return CommandAnswer(request);
    Log("unknown " + HexText(request));
    return std::nullopt;
}

std::vector<uint8_t> CSimulatedDevice::CommandAnswer(std::span<const uint8_t> request) const
{
    const auto status = static_cast<uint8_t>(m_settings.commandStatus);
    if (status != 0 || request[0] != 0x02 || request.size() < 2)
        return {0x00, status};
    switch (request[1]) {
    case 0x06:  // pin status
        return {0x00, 0x00, m_settings.pinLevel};
    case 0x05:  // flash code: two digits
        return {0x00, 0x02, 0x01, 0x07};
    case 0x04:  // address code entered: the synchronisation byte and the two key bytes
        return {0x00, 0x03, 0x01, 0x55, 0x01, 0x01, 0x01, 0x8A};
    case 0x09:  // entered by the other manner: one two-byte frame
        return {0x00, 0x01, 0x02, 0x0F, 0x01};
    case 0x0B:  // quick flash: one frame
        return {0x00, 0x01, 0x02, 0x12, 0x34};
    case 0x08: {
        // Every piece sent is answered by one frame: its first byte + 0x40 (a positive answer),
        // then the rest of it.
        std::vector<uint8_t> reply = {0x00, 0x01, 0x00};
        size_t position = 4;
        uint8_t count = 0;
        for (uint8_t piece = 0; request.size() > 3 && piece < request[3] && position < request.size(); ++piece) {
            const size_t length = request[position];
            if (length == 0 || length >= 0xFF || position + 1 + length >= request.size())
                break;
            reply.push_back(static_cast<uint8_t>(length));
            reply.push_back(static_cast<uint8_t>(request[position + 1] + 0x40));
            reply.insert(reply.end(), request.begin() + static_cast<std::ptrdiff_t>(position + 2),
                         request.begin() + static_cast<std::ptrdiff_t>(position + 1 + length));
            position += length + 2;
            ++count;
        }
        reply[2] = count;
        return reply;
    }
    default:  // status "done", nothing more
        return {0x00, 0x00};
    }
}

std::optional<std::vector<uint8_t>> CSimulatedDevice::LoadChunk(uint8_t page, uint32_t offset,
                                                                std::span<const uint8_t> chunk)
{
    if (uint64_t{offset} + chunk.size() > kMaxImageSize)
        return std::vector<uint8_t>{0xFF};
    std::vector<uint8_t>& image = m_images[page];
    // A download starts again at offset 0; what an earlier one left is gone.
    if (offset == 0)
        image.clear();
    if (image.size() < offset + chunk.size())
        image.resize(offset + chunk.size());
    std::copy(chunk.begin(), chunk.end(), image.begin() + offset);
    ++m_loadCount;
    m_lastLoadedPage = page;
    return std::vector<uint8_t>{0x00, 0x08, page};
}

std::vector<uint8_t> CSimulatedDevice::Image(uint8_t page) const
{
    const auto found = m_images.find(page);
    return found == m_images.end() ? std::vector<uint8_t>() : found->second;
}

std::map<uint8_t, uint32_t> CSimulatedDevice::Programs() const
{
    std::map<uint8_t, uint32_t> programs = m_settings.programs;
    for (const auto& [page, image] : m_images) {
        if (image.size() >= kProgramIdOffset + 4) {
            const uint8_t* id = image.data() + kProgramIdOffset;
            programs[page] = uint32_t{id[0]} | uint32_t{id[1]} << 8 | uint32_t{id[2]} << 16 | uint32_t{id[3]} << 24;
        }
    }
    return programs;
}

std::vector<SIM_DELIVERY> CSimulatedDevice::Misbehave(uint8_t counter, const std::vector<uint8_t>& reply) const
{
    const std::vector<uint8_t> frame = MakeFrame(counter, reply);
    const auto at = [](uint32_t delay, std::vector<uint8_t> bytes) { return SIM_DELIVERY{delay, std::move(bytes)}; };
    switch (m_settings.fault) {
    case LinkFault::kNone:
    case LinkFault::kNoDevice:
        return {at(0, frame)};
    case LinkFault::kLate:
        return {at(m_settings.delayMs, frame)};
    case LinkFault::kNoise: {
        static constexpr uint8_t kNoise[] = {0x00, 0xAA, 0x12};
        return {at(0, Concat({kNoise, frame}))};
    }
    case LinkFault::kDoubleStart: {
        static constexpr uint8_t kStart[] = {kLinkFrameStart};
        return {at(0, Concat({kStart, frame}))};
    }
    case LinkFault::kBadComplement: {
        // The length's high byte is corrupt and claims far more than any room: the header must be
        // taken as broken, not as a reply that is too long.
        std::vector<uint8_t> broken = frame;
        broken[kLinkLengthHighOffset] = 0x7F;
        return {at(0, Concat({broken, frame}))};
    }
    case LinkFault::kBadSum: {
        std::vector<uint8_t> broken = frame;
        broken.back() = static_cast<uint8_t>(broken.back() + 1);
        return {at(0, Concat({broken, frame}))};
    }
    case LinkFault::kForeignCounter: {
        uint8_t other = static_cast<uint8_t>(counter - 1);
        if (other == kLinkAnyCounter)
            other = static_cast<uint8_t>(other - 1);
        return {at(0, Concat({MakeFrame(other, reply), frame}))};
    }
    case LinkFault::kCounterFF:
        return {at(0, MakeFrame(kLinkAnyCounter, reply))};
    case LinkFault::kZeroLength:
        return {at(0, Concat({MakeFrame(counter, {}), frame}))};
    case LinkFault::kTooLong: {
        std::vector<uint8_t> padded = reply;
        padded.resize(kTooLongData, 0x00);
        return {at(0, MakeFrame(counter, padded))};
    }
    case LinkFault::kWaitFrames: {
        std::vector<SIM_DELIVERY> deliveries;
        for (uint32_t i = 0; i < m_settings.waitCount; ++i)
            deliveries.push_back(at(i * m_settings.waitGapMs, MakeFrame(counter, kLinkWaitFrameData)));
        deliveries.push_back(at(m_settings.waitCount * m_settings.waitGapMs, frame));
        return deliveries;
    }
    case LinkFault::kStalled:
        return {at(0, std::vector<uint8_t>(frame.begin(), frame.begin() + kLinkHeaderSize)),
                at(m_settings.delayMs, std::vector<uint8_t>(frame.begin() + kLinkHeaderSize, frame.end()))};
    case LinkFault::kShort:
        return {at(0, MakeFrame(counter, std::span(reply).first(reply.empty() ? 0 : reply.size() - 1)))};
    case LinkFault::kSilent:
        return {};
    }
    return {};
}
