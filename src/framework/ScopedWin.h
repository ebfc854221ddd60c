#pragma once
// Owners for Win32 handles and GDI objects: each releases what it holds exactly once, when it goes
// out of scope, so no error path can leak one.
#include <windows.h>

#include <utility>

// A kernel handle (process, thread, semaphore, mapping, event, file).
class CScopedHandle {
public:
    CScopedHandle() = default;
    explicit CScopedHandle(HANDLE handle) : m_handle(IsValid(handle) ? handle : nullptr) {}
    ~CScopedHandle() { Reset(); }
    CScopedHandle(CScopedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    HANDLE Release() { return std::exchange(m_handle, nullptr); }
    void Reset(HANDLE handle = nullptr)
    {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = IsValid(handle) ? handle : nullptr;
    }

private:
    static bool IsValid(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
    HANDLE m_handle = nullptr;
};

// A GDI object of our own (font, bitmap, brush, pen, region).
template <typename T>
class CScopedGdiObject {
public:
    CScopedGdiObject() = default;
    explicit CScopedGdiObject(T object) : m_object(object) {}
    ~CScopedGdiObject() { Reset(); }
    CScopedGdiObject(CScopedGdiObject&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    CScopedGdiObject& operator=(CScopedGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_object, nullptr));
        return *this;
    }
    CScopedGdiObject(const CScopedGdiObject&) = delete;
    CScopedGdiObject& operator=(const CScopedGdiObject&) = delete;

    T Get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void Reset(T object = nullptr)
    {
        if (m_object)
            DeleteObject(m_object);
        m_object = object;
    }

private:
    T m_object = nullptr;
};

using CScopedFont = CScopedGdiObject<HFONT>;
using CScopedBitmap = CScopedGdiObject<HBITMAP>;
using CScopedBrush = CScopedGdiObject<HBRUSH>;
using CScopedPen = CScopedGdiObject<HPEN>;

// Selects an object into a device context and puts the previous one back at the end of the scope.
class CSelectObject {
public:
    CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
    ~CSelectObject()
    {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The device context of a window's client area (GetDC / ReleaseDC).
class CClientDc {
public:
    explicit CClientDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~CClientDc()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    CClientDc(const CClientDc&) = delete;
    CClientDc& operator=(const CClientDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// The device context of WM_PAINT (BeginPaint / EndPaint).
class CPaintDc {
public:
    explicit CPaintDc(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    ~CPaintDc() { EndPaint(m_window, &m_paint); }
    CPaintDc(const CPaintDc&) = delete;
    CPaintDc& operator=(const CPaintDc&) = delete;
    HDC Get() const { return m_dc; }
    const RECT& PaintRect() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint = {};
    HDC m_dc = nullptr;
};

// A memory device context compatible with another one (CreateCompatibleDC / DeleteDC).
class CMemoryDc {
public:
    explicit CMemoryDc(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDc()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    CMemoryDc(const CMemoryDc&) = delete;
    CMemoryDc& operator=(const CMemoryDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};
