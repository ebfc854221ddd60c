#pragma once
// The diagnostic program's conversation with the shell: sends requests, keeps the last answer,
// and writes both and every expectation to its transcript.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "Request.h"
#include "ShellLink.h"

enum ExitCode { kPassed = 0, kExpectationFailed = 1, kNoShell = 2, kNoAnswer = 3 };

class CMaker {
public:
    explicit CMaker(const std::wstring& transcript);

    int Result() const { return m_result; }

    bool Connect(DWORD timeoutMs);
    bool Send(const CRequest& request, const std::string& summary);
    // Sends the last request again, as a program polling a screen does, until the answer's byte at
    // `offset` is `value`; at most `limit` more requests.
    bool Repeat(size_t offset, uint8_t value, int limit, const std::string& line);
    void Expect(bool held, const std::string& what);

    std::vector<uint8_t> AnswerBytes(size_t offset, size_t count) const;
    // The answer's byte at `offset`, or `missing` past its end.
    int AnswerByte(size_t offset, int missing = -1) const;
    // The answer's big-endian 16-bit word at `offset`, or `missing`.
    int AnswerWord(size_t offset, int missing = -1) const;
    std::u16string AnswerUtf16(size_t offset) const;
    std::string AnswerText(size_t offset) const;

    int TakeKey() { return m_link.TakeKey(); }
    void Fill(size_t offset, size_t count, uint8_t value);
    void SetAnswerTimeout(DWORD ms) { m_answerTimeoutMs = ms; }
    void Log(const std::string& line);

private:
    CShellLink m_link;
    std::ofstream m_transcript;
    int m_result = kPassed;
    DWORD m_answerTimeoutMs = 60000;
    std::optional<CRequest> m_lastRequest;
    std::string m_lastSummary;
};
