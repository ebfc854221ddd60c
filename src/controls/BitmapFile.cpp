#include "BitmapFile.h"

#include <cstring>
#include <vector>

#include "BmpFileFormat.h"
#include "MessageBox.h"

namespace {

// The file's length, and as many of its bytes as the check needs (BmpBytesToRead). A file named by
// the diagnostic program may be of any length; reading a huge one whole would exhaust the memory of
// the 32-bit program and throw out of the screen's request.
struct FILE_BYTES {
    std::vector<uint8_t> bytes;
    uint64_t length = 0;
};

bool ReadBmpFileBytes(const std::wstring& path, FILE_BYTES& file)
{
    CScopedHandle handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!handle || !GetFileSizeEx(handle.Get(), &size) || size.QuadPart < 0)
        return false;
    file.length = static_cast<uint64_t>(size.QuadPart);
    file.bytes.resize(static_cast<size_t>(BmpBytesToRead(file.length)));
    DWORD read = 0;
    return file.bytes.empty() ||
           (ReadFile(handle.Get(), file.bytes.data(), static_cast<DWORD>(file.bytes.size()), &read, nullptr) &&
            read == file.bytes.size());
}

void Complain(const std::wstring& text)
{
    ShowMessageBox(nullptr, text, L"", MB_OK);
}

}  // namespace

bool CBitmapFile::LoadBmpFile(const std::wstring& path)
{
    FILE_BYTES file;
    if (!ReadBmpFileBytes(path, file)) {
        Complain(L"BMP file open error:" + path);
        return false;
    }
    BMP_LAYOUT layout;
    BMP_CHECK check = CheckBmpFileLength(file.bytes, file.length);
    if (check == BMP_CHECK::Ok)
        check = CheckBmpFile(file.bytes, layout);
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
