#include "MemDC.h"

CMemDC::CMemDC(HDC target) : m_target(target)
{
    if (!target || GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER)
        return;
    GetClipBox(target, &m_area);
    const int width = m_area.right - m_area.left;
    const int height = m_area.bottom - m_area.top;
    if (width <= 0 || height <= 0)
        return;
    m_memory = CreateCompatibleDC(target);
    if (!m_memory)
        return;
    m_bitmap.Reset(CreateCompatibleBitmap(target, width, height));
    if (!m_bitmap) {
        // Without a bitmap the drawing goes straight to the target.
        DeleteDC(m_memory);
        m_memory = nullptr;
        return;
    }
    m_oldBitmap = SelectObject(m_memory, m_bitmap.Get());
    SetWindowOrgEx(m_memory, m_area.left, m_area.top, nullptr);
    m_offScreen = true;
}

CMemDC::~CMemDC()
{
    if (!m_offScreen)
        return;
    BitBlt(m_target, m_area.left, m_area.top, m_area.right - m_area.left, m_area.bottom - m_area.top, m_memory,
           m_area.left, m_area.top, SRCCOPY);
    SelectObject(m_memory, m_oldBitmap);
    DeleteDC(m_memory);  // before the bitmap goes with its holder
}
