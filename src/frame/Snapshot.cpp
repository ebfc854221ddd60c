#include "Snapshot.h"

#include <cwchar>

#include "PngWriter.h"
#include "ProcessValues.h"
#include "ScopedWin.h"

std::wstring SnapshotFileName(const std::wstring& folder, const SYSTEMTIME& time)
{
    wchar_t stamp[32] = {};
    std::swprintf(stamp, std::size(stamp), L"%04u_%02u_%02u_%02u_%02u_%02u", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond);
    std::wstring name = folder + stamp + L".png";
    // Two snapshots in one second must not overwrite each other.
    for (int copy = 2; GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; ++copy)
        name = folder + stamp + L"_" + std::to_wstring(copy) + L".png";
    return name;
}

std::wstring SaveFrameSnapshot(HWND frame)
{
    // Paints wait while the diagnostic program's turns follow closely: the picture is read once
    // every waiting paint is done.
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect = {};
    GetWindowRect(frame, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return {};

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    CClientDc frameDc(frame);
    CScopedBitmap picture(CreateDIBSection(frameDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture)
        return {};
    {
        CMemoryDc memory(frameDc.Get());
        CSelectObject selected(memory.Get(), picture.Get());
        BitBlt(memory.Get(), 0, 0, width, height, frameDc.Get(), 0, 0, SRCCOPY);
    }
    const std::wstring folder = ResGetAppDir() + L"Snapshot\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    const std::wstring file = SnapshotFileName(folder, now);
    return SaveBitmapAsPng(picture.Get(), file) ? file : std::wstring();
}
