#pragma once
#include <windows.h>
#include <wininet.h>

#include <utility>

// An internet handle of the Windows internet library (session, connection, request, URL).
class CInternetHandle {
public:
    explicit CInternetHandle(HINTERNET handle) : m_handle(handle) {}
    ~CInternetHandle()
    {
        if (m_handle)
            InternetCloseHandle(m_handle);
    }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;

    HINTERNET Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    HINTERNET m_handle = nullptr;
};
