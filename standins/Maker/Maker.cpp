#include "Maker.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

std::string Hex(const uint8_t* bytes, size_t count)
{
    std::string text;
    char pair[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof(pair), "%02X", bytes[i]);
        text += pair;
        if (i + 1 < count)
            text += ' ';
    }
    return text;
}

}  // namespace

CMaker::CMaker(const std::wstring& transcript) : m_transcript(std::filesystem::path(transcript), std::ios::binary) {}

bool CMaker::Connect(DWORD timeoutMs)
{
    if (m_link.Connect(timeoutMs))
        return true;
    Log("FAIL the shell's exchange block, token or window was not found");
    m_result = kNoShell;
    return false;
}

bool CMaker::Send(const CRequest& request, const std::string& summary)
{
    m_lastRequest = request;
    m_lastSummary = summary;
    request.WriteTo(m_link.Block());
    Log("> " + summary);
    if (!m_link.Exchange(m_answerTimeoutMs)) {
        Log("FAIL no answer in time");
        m_result = kNoAnswer;
        return false;
    }
    const auto& answer = m_link.Answer();
    const size_t length = std::min<size_t>(std::max<size_t>(answer[0] << 8 | answer[1], 8), 64);
    Log("< " + Hex(answer.data(), length));
    return true;
}

bool CMaker::Repeat(size_t offset, uint8_t value, int limit, const std::string& line)
{
    for (int sent = 0; sent <= limit; ++sent) {
        if (AnswerBytes(offset, 1) == std::vector<uint8_t>{value}) {
            Expect(true, line);
            return true;
        }
        if (sent == limit || !m_lastRequest || !Send(*m_lastRequest, m_lastSummary))
            break;
    }
    Expect(false, line);
    return m_result != kNoAnswer;
}

void CMaker::Expect(bool held, const std::string& what)
{
    Log(std::string(held ? "ok " : "FAIL ") + what);
    if (!held && m_result == kPassed)
        m_result = kExpectationFailed;
}

std::vector<uint8_t> CMaker::AnswerBytes(size_t offset, size_t count) const
{
    const auto& answer = m_link.Answer();
    if (offset >= answer.size())
        return {};
    return std::vector<uint8_t>(answer.begin() + static_cast<ptrdiff_t>(offset),
                                answer.begin() + static_cast<ptrdiff_t>(std::min(answer.size(), offset + count)));
}

int CMaker::AnswerByte(size_t offset, int missing) const
{
    const std::vector<uint8_t> bytes = AnswerBytes(offset, 1);
    return bytes.size() == 1 ? bytes[0] : missing;
}

int CMaker::AnswerWord(size_t offset, int missing) const
{
    const std::vector<uint8_t> bytes = AnswerBytes(offset, 2);
    return bytes.size() == 2 ? (bytes[0] << 8 | bytes[1]) : missing;
}

std::u16string CMaker::AnswerUtf16(size_t offset) const
{
    std::u16string text;
    const auto& answer = m_link.Answer();
    for (size_t i = offset; i + 1 < answer.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(answer[i] | answer[i + 1] << 8);
        if (!unit)
            break;
        text.push_back(unit);
    }
    return text;
}

std::string CMaker::AnswerText(size_t offset) const
{
    std::string text;
    const auto& answer = m_link.Answer();
    for (size_t i = offset; i < answer.size() && answer[i]; ++i)
        text.push_back(static_cast<char>(answer[i]));
    return text;
}

void CMaker::Fill(size_t offset, size_t count, uint8_t value)
{
    for (size_t i = offset; i < offset + count && i < kMailboxOffset; ++i)
        m_link.Block()[i] = value;
}

void CMaker::Log(const std::string& line)
{
    m_transcript << line << "\n";
    m_transcript.flush();
}
