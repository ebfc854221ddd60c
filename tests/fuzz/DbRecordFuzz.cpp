// Any bytes as the record of a key in a well-formed database: the items come whole, or the list is
// empty; each item is exactly what its length says.
#include <cstdint>
#include <string>

#include "ByteFields.h"
#include "DbFile.h"
#include "DbFileName.h"
#include "DbFileWriter.h"
#include "FuzzFolder.h"
#include "ProcessValues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-dbrecord");
    static const std::string stored = [] {
        const std::wstring name = MakeDbFileName(L"EN_DS.DB");
        return std::string(name.begin(), name.end());
    }();
    // One index entry pointing behind the index, where the input follows.
    const std::string file = EncodeDbFile({}, {{"KEY1", {}}});
    folder.Write(stored, file.substr(0, file.size() - 1) + std::string(reinterpret_cast<const char*>(data), size));

    ResSetSoftwareDir(folder.ProgramPath());
    ResSetLanguageCode(L"EN");
    SetGlobalFloat1(3.25f);
    CDbFile db;
    if (!db.Open(L"EN_DS.DB"))
        __builtin_trap();
    const auto items = db.ReadRecord(ByteString(reinterpret_cast<const uint8_t*>("KEY1"), 4));

    // Walk the record as written: the list is empty exactly when some item does not fit.
    size_t at = 1;
    bool whole = size >= 1 && data[0] > 0;
    for (unsigned i = 0; whole && i < (size ? data[0] : 0u); ++i) {
        if (at + 2 > size) {
            whole = false;
            break;
        }
        const size_t length = GetBe16(data + at);
        if (length > 32767 || at + 2 + length > size)
            whole = false;
        at += 2 + length;
    }
    if (items.empty() == whole)
        __builtin_trap();
    if (whole && items.size() != data[0])
        __builtin_trap();
    return 0;
}
