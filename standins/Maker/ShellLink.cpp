#include "ShellLink.h"

#include <atomic>
#include <cstring>
#include <string>

namespace {

constexpr UINT kRequestMessage = WM_APP + 0x6EF;

}  // namespace

CShellLink::~CShellLink()
{
    if (m_view)
        UnmapViewOfFile(m_view);
    if (m_mapping)
        CloseHandle(m_mapping);
    if (m_token)
        CloseHandle(m_token);
}

bool CShellLink::Connect(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        if (!m_mapping)
            m_mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, "DisplayDiagnoseData");
        if (m_mapping && !m_view)
            m_view = static_cast<uint8_t*>(MapViewOfFile(m_mapping, FILE_MAP_ALL_ACCESS, 0, 0, kBlockSize));
        if (!m_token)
            m_token = OpenSemaphoreW(SEMAPHORE_ALL_ACCESS, FALSE, L"hSemaphore");
        if (m_view && m_token) {
            const std::string caption(reinterpret_cast<const char*>(m_view), strnlen(reinterpret_cast<const char*>(m_view), 256));
            m_window = caption.empty() ? nullptr : FindWindowA(nullptr, caption.c_str());
            if (m_window)
                return true;
        }
        Sleep(50);
    }
    return false;
}

bool CShellLink::Exchange(DWORD timeoutMs)
{
    SendMessageW(m_window, kRequestMessage, 0, 0);
    if (WaitForSingleObject(m_token, timeoutMs) != WAIT_OBJECT_0)
        return false;
    m_answer.assign(m_view, m_view + kMailboxOffset);
    ReleaseSemaphore(m_token, 1, nullptr);
    return true;
}

int CShellLink::TakeKey()
{
    // The shell posts keys while this program runs, outside the turn token: the shell stores the key
    // before it moves its count (release), so the key is read only after the count was seen (acquire),
    // and this side's count moves only after the key was read (release).
    using MailboxByte = std::atomic_ref<uint8_t>;
    static_assert(MailboxByte::is_always_lock_free, "a byte shared with another process needs no lock");
    MailboxByte posted(m_view[kMailboxOffset]);
    MailboxByte taken(m_view[kMailboxOffset + 1]);
    MailboxByte key(m_view[kMailboxOffset + 2]);
    const uint8_t takenCount = taken.load(std::memory_order_relaxed);
    if (posted.load(std::memory_order_acquire) == takenCount)
        return 0;
    const int code = key.load(std::memory_order_relaxed);
    taken.store(static_cast<uint8_t>(takenCount + 1), std::memory_order_release);
    return code;
}
