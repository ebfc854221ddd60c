#include "ExchangeFrames.h"

#include <algorithm>
#include <cstdlib>

using exchange::kMailboxOffset;

uint8_t CRequestReader::U8(size_t offset) const
{
    return offset < kMailboxOffset ? m_block[offset] : 0;
}

uint16_t CRequestReader::BE16(size_t offset) const
{
    return static_cast<uint16_t>(U8(offset) << 8 | U8(offset + 1));
}

std::string CRequestReader::Text(size_t& offset) const
{
    std::string text;
    while (offset < kMailboxOffset && m_block[offset] != 0)
        text.push_back(static_cast<char>(m_block[offset++]));
    if (offset < kMailboxOffset)
        ++offset;  // past the terminator
    return text;
}

void CAnswerWriter::Header(uint8_t length)
{
    m_block[0] = 0;
    m_block[1] = length;
}

bool CAnswerWriter::U8(size_t offset, uint8_t value)
{
    if (offset >= kMailboxOffset)
        return false;
    m_block[offset] = value;
    return true;
}

bool CAnswerWriter::BE16(size_t offset, uint16_t value)
{
    if (offset + 1 >= kMailboxOffset)
        return false;
    m_block[offset] = static_cast<uint8_t>(value >> 8);
    m_block[offset + 1] = static_cast<uint8_t>(value);
    return true;
}

size_t CAnswerWriter::Utf16Text(size_t offset, std::u16string_view text)
{
    if (offset + 2 > kMailboxOffset)
        return offset;
    const size_t room = (kMailboxOffset - offset) / 2 - 1;  // units before the terminator
    const size_t units = std::min(text.size(), room);
    for (size_t i = 0; i < units; ++i) {
        m_block[offset++] = static_cast<uint8_t>(text[i]);
        m_block[offset++] = static_cast<uint8_t>(text[i] >> 8);
    }
    m_block[offset++] = 0;
    m_block[offset++] = 0;
    return offset;
}

size_t CAnswerWriter::NarrowText(size_t offset, std::string_view text)
{
    if (offset >= kMailboxOffset)
        return offset;
    const size_t length = std::min(text.size(), kMailboxOffset - offset - 1);
    std::copy_n(text.begin(), length, m_block.begin() + static_cast<ptrdiff_t>(offset));
    offset += length;
    m_block[offset++] = 0;
    return offset;
}

FRAME_COMMAND ClassifyCommand(uint8_t code)
{
    switch (code) {
    case 0xFD:
        return FRAME_COMMAND::Text;
    case 0x82:
        return FRAME_COMMAND::Help;
    case 101:
        return FRAME_COMMAND::Question;
    case 0xFE:
        return FRAME_COMMAND::EndDiagnosis;
    case 0xFF:
        return FRAME_COMMAND::StartDiagnosis;
    default:
        return ScreenViewId(code) ? FRAME_COMMAND::Screen : FRAME_COMMAND::Other;
    }
}

std::optional<int> ScreenViewId(uint8_t code)
{
    static constexpr int kViews[] = {137, 138, 161, 166, 160, 158, 164, 167, 165, 168, 159, 10046, 10056};
    if (code % 10 != 0 || code > 120)
        return std::nullopt;
    return kViews[code / 10];
}

float ParseDatabaseVersion(ExchangeBlock block)
{
    const CRequestReader reader(block);
    size_t offset = exchange::kPayloadOffset;
    reader.Text(offset);  // a text the shell does not use
    const std::string version = reader.Text(offset);
    return static_cast<float>(std::strtod(version.c_str(), nullptr));
}

uint16_t WriteStartAnswer(ExchangeBlock block, const START_ANSWER& answer)
{
    CAnswerWriter writer(block);
    std::string_view folder = answer.softwareFolder;
    if (!folder.empty() && folder.back() == '\\')
        folder.remove_suffix(1);
    size_t offset = exchange::kPayloadOffset;
    offset = writer.NarrowText(offset, folder);
    offset = writer.NarrowText(offset, answer.languageCode);
    offset = writer.NarrowText(offset, "");
    offset = writer.NarrowText(offset, answer.runMode);
    writer.U8(offset++, answer.unitMode);
    writer.U8(offset++, 2);
    offset = writer.NarrowText(offset, "6.30");
    offset = writer.NarrowText(offset, answer.recordFlag);
    writer.U8(offset++, answer.launched);
    writer.U8(offset, 4);
    const uint16_t length = static_cast<uint16_t>(std::min<size_t>(offset + 1, 0xFFFF));
    block[0] = static_cast<uint8_t>(length >> 8);
    block[1] = static_cast<uint8_t>(length);
    return length;
}

void WriteTextAnswer(ExchangeBlock block, std::u16string_view text)
{
    CAnswerWriter(block).Utf16Text(exchange::kPayloadOffset, text);
}

void WriteQuestionAnswer(ExchangeBlock block)
{
    WriteKeyAnswer(block, 2);
}

void WriteKeyAnswer(ExchangeBlock block, uint8_t key)
{
    CAnswerWriter writer(block);
    writer.Header(5);
    writer.U8(exchange::kPayloadOffset, key);
}
