#pragma once
// An off-screen drawing context over a target: what is drawn into it lands on the target in one copy
// when it goes, so a control repainted often does not flicker. On a printer it draws on the target
// directly. Coordinates are the target's.
#include <windows.h>

#include "ScopedWin.h"

class CMemDC {
public:
    explicit CMemDC(HDC target);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC Get() const { return m_memory ? m_memory : m_target; }
    const RECT& Area() const { return m_area; }
    bool DrawsOffScreen() const { return m_offScreen; }

private:
    CScopedBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    HDC m_target;
    RECT m_area = {};
    bool m_offScreen = false;
    HDC m_memory = nullptr;
};
