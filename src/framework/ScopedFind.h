#pragma once
// A file search handle (FindFirstFileW / FindClose).
#include <windows.h>

class CScopedFind {
public:
    explicit CScopedFind(HANDLE find) : m_find(find) {}
    ~CScopedFind()
    {
        if (*this)
            FindClose(m_find);
    }
    CScopedFind(const CScopedFind&) = delete;
    CScopedFind& operator=(const CScopedFind&) = delete;

    HANDLE Get() const { return m_find; }
    explicit operator bool() const { return m_find && m_find != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_find;
};
