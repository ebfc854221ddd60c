#pragma once
// A bitmap loaded from a BMP file on disk into a device-independent bitmap section.
#include <string>

#include "ScopedWin.h"

class CBitmapFile {
public:
    // Reads the file and builds the section. On failure shows the reason in a message box and
    // returns false: a file that fails its checks leaves the previous bitmap in place, a failed
    // build leaves none.
    bool LoadBmpFile(const std::wstring& path);

    HBITMAP Handle() const { return m_bitmap.Get(); }

private:
    CScopedBitmap m_bitmap;
};
