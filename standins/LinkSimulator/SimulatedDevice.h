#pragma once
// The simulated vehicle interface device: what it answers to each request frame, the state it
// keeps (programs, downloaded images, maker group), and the ways it can be told to misbehave.
// Platform-free: the simulator process serves it over a pipe, and tests drive it in-process.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How the device misbehaves on every reply it sends.
enum class LinkFault {
    kNone,
    kLate,            // the reply comes after `delayMs`
    kNoise,           // 00 AA 12 before the reply
    kDoubleStart,     // an extra 0xAA before the reply: AA AA 55 ..., which starts no frame
    kBadComplement,   // first a frame whose length does not match its complement (and looks huge)
    kBadSum,          // first a frame with a wrong checksum
    kForeignCounter,  // first a frame carrying another request's counter
    kCounterFF,       // the reply carries 0xFF instead of the request's counter
    kZeroLength,      // first a frame declaring no data
    kTooLong,         // the reply announces 293 data bytes
    kWaitFrames,      // `waitCount` wait frames `waitGapMs` apart, then the reply
    kStalled,         // the reply's header comes at once, the rest after `delayMs`
    kShort,           // the reply lacks its last byte
    kSilent,          // no reply at all
    kNoDevice,        // opening the link fails
};

const char* LinkFaultName(LinkFault fault);
std::optional<LinkFault> LinkFaultFromName(std::string_view name);

struct SIMULATOR_SETTINGS {
    LinkFault fault = LinkFault::kNone;
    uint32_t delayMs = 2500;
    uint32_t waitGapMs = 1500;
    uint32_t waitCount = 2;
    uint16_t versionWord = 0x8103;      // bit 15: accepts the program download
    uint16_t hardwareVersion = 0x0312;  // four 4-bit digits
    std::string serialNumber = "NH20240017";
    std::map<uint8_t, uint32_t> programs;  // slot -> program id, held before any download
    int8_t commandStatus = 0;  // the status of every control-unit command; non-zero: an error code
    uint8_t pinLevel = 1;      // what a pin status query reads
};

// One option by name, as on the command line ("fault", "delay", "wait-gap", "wait-count", "version",
// "hardware", "serial", "program" as slot:id, "command-status", "pin-level"). False for an unknown name or a bad value.
bool ApplySimulatorOption(SIMULATOR_SETTINGS& settings, std::string_view name, std::string_view value);
// Lines "name value" of a control file; blank lines and lines starting with '#' are skipped.
// False at the first bad line, which `error` then names.
bool ApplySimulatorControl(SIMULATOR_SETTINGS& settings, std::string_view text, std::string* error = nullptr);

// Bytes the device sends, `delayMs` after the request arrived.
struct SIM_DELIVERY {
    uint32_t delayMs;
    std::vector<uint8_t> bytes;
};

class CSimulatedDevice {
public:
    using LogSink = std::function<void(const std::string& line)>;
    static constexpr size_t kMaxImageSize = 1 << 20;

    explicit CSimulatedDevice(LogSink log = {}) : m_log(std::move(log)) {}

    SIMULATOR_SETTINGS& Settings() { return m_settings; }
    void SetSettings(const SIMULATOR_SETTINGS& settings) { m_settings = settings; }

    bool Open(int32_t flag);
    void Close();
    int32_t Reset();
    // One write of the library: frames and unframed bytes. Returns what the device sends back.
    std::vector<SIM_DELIVERY> Receive(std::span<const uint8_t> bytes);

    // The image loaded into a program page (empty when none).
    std::vector<uint8_t> Image(uint8_t page) const;
    std::optional<uint8_t> MakerGroup() const { return m_makerGroup; }
    // How many chunks were loaded so far, and into which page the last one went.
    uint64_t LoadCount() const { return m_loadCount; }
    uint8_t LastLoadedPage() const { return m_lastLoadedPage; }
    // Slot -> program id, as the program query reports them.
    std::map<uint8_t, uint32_t> Programs() const;

    // The device's own frame builder, kept apart from the program's so each checks the other.
    static std::vector<uint8_t> MakeFrame(uint8_t counter, std::span<const uint8_t> data);

private:
    std::optional<std::vector<uint8_t>> Answer(std::span<const uint8_t> request);
    // Control-unit commands (groups 01 and 02): a status, or frames "received" from the unit.
    std::vector<uint8_t> CommandAnswer(std::span<const uint8_t> request) const;
    std::optional<std::vector<uint8_t>> LoadChunk(uint8_t page, uint32_t offset, std::span<const uint8_t> chunk);
    std::vector<SIM_DELIVERY> Misbehave(uint8_t counter, const std::vector<uint8_t>& reply) const;
    void Log(const std::string& line) const;

    LogSink m_log;
    SIMULATOR_SETTINGS m_settings;
    std::map<uint8_t, std::vector<uint8_t>> m_images;
    std::optional<uint8_t> m_makerGroup;
    uint64_t m_loadCount = 0;
    uint8_t m_lastLoadedPage = 0;
};

std::string HexText(std::span<const uint8_t> bytes);
