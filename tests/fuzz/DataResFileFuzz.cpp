// Any bytes as a data-resource file and as a packed text database: the header check, the reads
// and the text lookups must neither crash nor read out of bounds. The first byte steers the
// target; unless it asks for the raw header, magic, type, version and language are set so that the
// fuzzer reaches the index and the texts.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ByteFields.h"
#include "DataResFile.h"
#include "DataResNames.h"
#include "FuzzFolder.h"
#include "ProcessValues.h"
#include "ResAPI.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-datares");
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!(mode & 1) && bytes.size() >= 28) {
        bytes.replace(0, 4, "DRDB");
        bytes.replace(4, 4, std::string("\x03\x00\x00\x00", 4));
        bytes.replace(8, 4, std::string("\x45\x01\x00\x00", 4));  // 325
        bytes.replace(24, 4, std::string("\x01\x00\x00\x00", 4));
    }
    const std::string name = (mode & 2) ? "TXT_EN.DAT" : "TXT_EN.dat";
    folder.Write(name, bytes);
    ResSetLanguageCodeA("EN");
    SetGlobalFloat1(3.25f);

    const auto* raw = reinterpret_cast<const uint8_t*>(bytes.data());
    CheckDataResHeader(name, std::span(raw, bytes.size()), 3.25f);
    GetNameLanguage(std::string_view(bytes.data(), std::min<size_t>(bytes.size(), 24)));

    {
        DataResFile file;
        if (file.Open(folder.NarrowPath(name).c_str(), (mode & 4) != 0, (mode & 8) ? 2 : 1)) {
            const uint64_t fileSize = file.GetSize();
            if (fileSize != bytes.size())
                __builtin_trap();
            std::vector<uint8_t> buffer(64);
            for (uint64_t at : {uint64_t{0}, fileSize / 2, fileSize, fileSize + 1, UINT64_MAX}) {
                const size_t got = file.ReadAt(buffer.data(), at, buffer.size());
                if (got > buffer.size() || (got && std::memcmp(buffer.data(), raw + at, got) != 0))
                    __builtin_trap();
            }
            uint16_t units[8];
            file.ReadU16Array(fileSize > 4 ? fileSize - 4 : 0, 8, units);
        }
    }

    CResAPI reader;
    const std::wstring widePath = folder.ProgramPath() + std::wstring(name.begin(), name.end());
    if (!reader.OpenDatabase(widePath.c_str()))
        return 0;
    std::wstring text;
    std::string narrow;
    for (int64_t index = -1; index < 4; ++index)
        reader.GetDbTextByIndex(index, text);
    for (size_t entry = 0; entry < 4; ++entry) {
        const size_t at = 64 + entry * 18 + 8;
        if (at + 6 > bytes.size())
            break;
        uint8_t key[6];
        std::memcpy(key, raw + at, 6);
        reader.GetDbTextA(key, narrow);
        key[5] ^= 1;
        reader.GetDbTextW(key, text);
    }
    return 0;
}
