#include "UpdateBlocks.h"

#include <span>

namespace update_blocks {
namespace {

// Appends to a block; after the first field that does not fit, the writer stays failed.
class BlockWriter {
public:
    explicit BlockWriter(std::span<uint8_t> bytes) : m_bytes(bytes) {}

    void Text(const std::wstring& text)
    {
        for (const wchar_t c : text) {
            const auto value = static_cast<uint32_t>(c);
            if (value > 0xFFFF) {  // only where wchar_t is 32 bits wide
                Unit(0xD800 + ((value - 0x10000) >> 10));
                Unit(0xDC00 + ((value - 0x10000) & 0x3FF));
            } else {
                Unit(value);
            }
        }
        Unit(0);
    }
    void Number(uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<uint8_t>(value >> shift));
    }
    bool Fits() const { return m_fits; }

private:
    void Unit(uint32_t unit)
    {
        Byte(static_cast<uint8_t>(unit));
        Byte(static_cast<uint8_t>(unit >> 8));
    }
    void Byte(uint8_t byte)
    {
        if (m_position >= m_bytes.size()) {
            m_fits = false;
            return;
        }
        m_bytes[m_position++] = byte;
    }

    std::span<uint8_t> m_bytes;
    size_t m_position = 0;
    bool m_fits = true;
};

// Reads a block written by BlockWriter; a text without its terminator inside the block, or a number
// past its end, fails the reader.
class BlockReader {
public:
    explicit BlockReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    std::wstring Text()
    {
        std::wstring text;
        for (;;) {
            const auto unit = Unit();
            if (!unit || *unit == 0)
                return text;
            text.push_back(static_cast<wchar_t>(*unit));
        }
    }
    uint32_t Number()
    {
        if (m_bytes.size() - m_position < 4) {
            m_ok = false;
            m_position = m_bytes.size();
            return 0;
        }
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(m_bytes[m_position++]) << (8 * i);
        return value;
    }
    bool Ok() const { return m_ok; }

private:
    std::optional<uint16_t> Unit()
    {
        if (m_bytes.size() - m_position < 2) {
            m_ok = false;
            m_position = m_bytes.size();
            return std::nullopt;
        }
        const auto unit = static_cast<uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
        m_position += 2;
        return unit;
    }

    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
    bool m_ok = true;
};

template <typename Fields, typename Write>
std::optional<Block> Pack(const Fields& fields, Write write)
{
    Block block{};
    BlockWriter writer(block);
    write(writer, fields);
    if (!writer.Fits())
        return std::nullopt;
    return block;
}

template <typename Fields, typename Read>
std::optional<Fields> Unpack(const Block& block, Read read)
{
    BlockReader reader(block);
    Fields fields;
    read(reader, fields);
    if (!reader.Ok())
        return std::nullopt;
    return fields;
}

}  // namespace

std::optional<Block> PackDownloadJob(const DownloadJobFields& fields)
{
    return Pack(fields, [](BlockWriter& w, const DownloadJobFields& f) {
        w.Text(f.ServerFolder), w.Text(f.ServerFile), w.Text(f.LocalFile), w.Text(f.Region);
        w.Text(f.SoftwareCode), w.Text(f.LanguageCode), w.Text(f.SoftwareUploadid);
        w.Number(static_cast<uint32_t>(f.JobId)), w.Text(f.Version), w.Number(static_cast<uint32_t>(f.LastJob));
    });
}

std::optional<DownloadJobFields> ReadDownloadJob(const Block& block)
{
    return Unpack<DownloadJobFields>(block, [](BlockReader& r, DownloadJobFields& f) {
        f.ServerFolder = r.Text(), f.ServerFile = r.Text(), f.LocalFile = r.Text(), f.Region = r.Text();
        f.SoftwareCode = r.Text(), f.LanguageCode = r.Text(), f.SoftwareUploadid = r.Text();
        f.JobId = static_cast<int32_t>(r.Number()), f.Version = r.Text();
        f.LastJob = static_cast<int32_t>(r.Number());
    });
}

std::optional<Block> PackDownloadResult(const DownloadResultFields& fields)
{
    return Pack(fields, [](BlockWriter& w, const DownloadResultFields& f) {
        w.Number(static_cast<uint32_t>(f.JobId)), w.Text(f.LocalFile), w.Text(f.SoftwareUploadid);
        w.Text(f.Region), w.Text(f.SoftwareCode), w.Text(f.LanguageCode), w.Text(f.Version);
        w.Number(static_cast<uint32_t>(f.LastJob)), w.Number(static_cast<uint32_t>(f.Downloaded));
    });
}

std::optional<DownloadResultFields> ReadDownloadResult(const Block& block)
{
    return Unpack<DownloadResultFields>(block, [](BlockReader& r, DownloadResultFields& f) {
        f.JobId = static_cast<int32_t>(r.Number()), f.LocalFile = r.Text(), f.SoftwareUploadid = r.Text();
        f.Region = r.Text(), f.SoftwareCode = r.Text(), f.LanguageCode = r.Text(), f.Version = r.Text();
        f.LastJob = static_cast<int32_t>(r.Number()), f.Downloaded = static_cast<int32_t>(r.Number());
    });
}

ProgressBlock PackProgress(int32_t jobId, uint32_t percent)
{
    ProgressBlock block{};
    BlockWriter writer(block);
    writer.Number(static_cast<uint32_t>(jobId));
    writer.Number(percent);
    return block;
}

void ReadProgress(const ProgressBlock& block, int32_t& jobId, uint32_t& percent)
{
    BlockReader reader(block);
    jobId = static_cast<int32_t>(reader.Number());
    percent = reader.Number();
}

}  // namespace update_blocks
