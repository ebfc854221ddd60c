#pragma once
// The stand-in diagnostic program's side of the exchange: the shell's block "DisplayDiagnoseData",
// its turn token "hSemaphore" and its main window, found by the caption the shell writes at offset 0.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr size_t kBlockSize = 0x10000;
constexpr size_t kMailboxOffset = 0xFFFC;

class CShellLink {
public:
    CShellLink() = default;
    ~CShellLink();
    CShellLink(const CShellLink&) = delete;
    CShellLink& operator=(const CShellLink&) = delete;

    bool Connect(DWORD timeoutMs);
    // Sends one request frame (already in place) and waits for its answer.
    bool Exchange(DWORD timeoutMs);
    // Takes a key posted through the mailbox; 0 when none waits.
    int TakeKey();

    uint8_t* Block() { return m_view; }
    const std::vector<uint8_t>& Answer() const { return m_answer; }

private:
    HANDLE m_mapping = nullptr;
    uint8_t* m_view = nullptr;
    HANDLE m_token = nullptr;
    HWND m_window = nullptr;
    std::vector<uint8_t> m_answer;
};
