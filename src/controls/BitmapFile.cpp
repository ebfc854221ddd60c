#include "BitmapFile.h"

#include <cstring>
#include <vector>

#include "BmpFileFormat.h"
#include "MessageBox.h"

namespace {

constexpr DWORD kMaxFileSize = 0xFFFFFFFFu;

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes)
{
    CScopedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart >= kMaxFileSize)
        return false;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    return bytes.empty() || (ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                             read == bytes.size());
}

void Complain(const std::wstring& text)
{
    ShowMessageBox(nullptr, text, L"", MB_OK);
}

}  // namespace

bool CBitmapFile::LoadBmpFile(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) {
        Complain(L"BMP file open error:" + path);
        return false;
    }
    BMP_LAYOUT layout;
    const BMP_CHECK check = CheckBmpFile(bytes, layout);
    if (check != BMP_CHECK::Ok && check != BMP_CHECK::BuildError) {
        Complain(BmpCheckMessage(check));
        return false;
    }

    m_bitmap.Reset();
    void* bits = nullptr;
    if (check == BMP_CHECK::Ok) {
        // A copy, so the header is aligned for the system whatever its offset in the file.
        std::vector<uint8_t> info(layout.info.begin(), layout.info.end());
        CClientDc screen(nullptr);
        CMemoryDc memory(screen.Get());
        m_bitmap.Reset(CreateDIBSection(memory.Get(), reinterpret_cast<const BITMAPINFO*>(info.data()),
                                        DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!m_bitmap || !bits) {
        m_bitmap.Reset();
        Complain(BmpCheckMessage(BMP_CHECK::BuildError));
        return false;
    }
    std::memcpy(bits, layout.pixels.data(), layout.pixels.size());  // the rest of a short file stays zero
    return true;
}
