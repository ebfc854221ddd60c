// Any bytes as a plain vehicle database: opening and looking keys up must neither crash, hang nor
// read out of bounds. The first byte steers the target; unless it asks for the raw header, the
// header's magic and version are set so that the fuzzer reaches the index and the records.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "DbFile.h"
#include "DbFileName.h"
#include "FuzzFolder.h"
#include "ProcessValues.h"
#include "RijndaelEncipher.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-dbfile");
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (bytes.size() >= 32) {
        uint8_t header[32];
        std::memcpy(header, bytes.data(), 32);
        if (!(mode & 1)) {
            header[0] = 'P';
            header[1] = 'T';
            const uint8_t version[4] = {0x00, 0x03, 0x25, 0x00};
            std::memcpy(header + 8, version, 4);
            header[16] = 'E';
            header[17] = 'N';
        }
        EncipherDbHeader(header, reinterpret_cast<uint8_t*>(bytes.data()));
    }
    const std::wstring name = (mode & 2) ? L"EN_TXT.DB" : L"EN_DS_BASE.DB";
    const std::wstring stored = MakeDbFileName(name);
    folder.Clear();
    folder.Write(std::string(stored.begin(), stored.end()), bytes);

    ResSetSoftwareDir(folder.ProgramPath());
    ResSetLanguageCode(L"EN");
    SetGlobalFloat1(3.25f);
    CDbFile file;
    if (!file.Open(name))
        return 0;

    // Keys: those of the first index entries, and cut, longer and empty ones.
    const size_t keyLength = static_cast<size_t>(file.GetKeyLength());
    std::vector<ByteString> keys{ByteString(), ByteString(nullptr, 0)};
    for (size_t entry = 0; entry < 4; ++entry) {
        const size_t at = 32 + entry * (keyLength + 4);
        if (at + keyLength > bytes.size())
            break;
        const auto* key = reinterpret_cast<const uint8_t*>(bytes.data() + at);
        keys.emplace_back(key, static_cast<int>(keyLength));
        keys.emplace_back(key, static_cast<int>(keyLength) - 1);
        if (at + keyLength + 2 <= bytes.size())
            keys.emplace_back(key, static_cast<int>(keyLength) + 2);
    }
    for (const ByteString& key : keys) {
        for (const ByteString& item : file.ReadRecord(key)) {
            if (item.GetLength() < 0 || item.GetLength() > item.GetCapacity())
                __builtin_trap();
        }
    }
    return 0;
}
