#include "ShellLink.h"

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
    volatile uint8_t* mailbox = m_view + kMailboxOffset;
    if (mailbox[0] == mailbox[1])
        return 0;
    const int key = mailbox[2];
    mailbox[1] = static_cast<uint8_t>(mailbox[1] + 1);
    return key;
}
