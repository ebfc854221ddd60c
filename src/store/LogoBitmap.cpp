#include "LogoBitmap.h"

#include "ProcessValues.h"

HBITMAP LoadLogoBitmap(const std::wstring& name)
{
    // The names come from folder names, but a name must never lead out of "LOGO\".
    if (name.empty() || name.find_first_of(L"\\/:*?") != std::wstring::npos || name.find(L"..") != std::wstring::npos)
        return nullptr;
    // The program folder ends in a backslash already; the doubled one is accepted by Windows.
    const std::wstring path = ResGetAppDir() + L"\\LOGO\\" + name + L".BMP";
    return static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
