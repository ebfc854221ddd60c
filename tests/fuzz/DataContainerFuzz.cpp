// Any bytes as a folder's data container and name index: finding and reading files through them
// must neither crash, hang nor read out of bounds. The input is split in two by its first two
// bytes; the first part is the container (written through the container byte table, so the fuzzer
// sees the plain layout), the rest the name index.
#include <cstdint>
#include <string>
#include <vector>

#include "ByteFields.h"
#include "DataResFile.h"
#include "DataResNames.h"
#include "DataStoreFile.h"
#include "FuzzFolder.h"
#include "ProcessValues.h"
#include "VehicleDataTables.h"

namespace {

void ReadWhole(const CFuzzFolder& folder, const std::string& name)
{
    DataStoreFile store;
    if (!store.Open(folder.NarrowPath(name).c_str(), "rb", true))
        return;
    const uint64_t size = store.GetSize();
    std::vector<uint8_t> buffer(4096);
    uint64_t total = 0;
    for (size_t got; (got = store.Read(buffer.data(), buffer.size())) > 0;)
        total += got;
    if (total > size)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-container");
    if (size < 2)
        return 0;
    const size_t split = std::min<size_t>(GetLe16(data), size - 2);
    std::string container(reinterpret_cast<const char*>(data + 2), split);
    for (char& c : container)
        c = static_cast<char>(g_ContainerByteTableInverse[static_cast<uint8_t>(c)]);
    const std::string index(reinterpret_cast<const char*>(data + 2 + split), size - 2 - split);

    folder.Clear();
    folder.Write(ContainerFileName("EN"), container);
    folder.Write("0000_EN.cab", index);
    folder.Write("0000.cab", index);
    folder.Write("T.BIN", std::string(300, 'T'));
    ResSetLanguageCodeA("EN");
    SetGlobalFloat1(3.25f);

    std::vector<std::string> names{"MEMBER_EN.BIN", "T.BIN"};
    // The first member name and the first index names, as the fuzzer wrote them.
    if (container.size() >= 4 + 1028) {
        const std::string plain(reinterpret_cast<const char*>(data + 2 + 8), 1024);
        names.emplace_back(BoundedName(reinterpret_cast<const uint8_t*>(plain.data()), 64));
    }
    for (size_t at = 0; at + 88 <= index.size() && at < 2 * 128; at += 128)
        names.emplace_back(BoundedName(reinterpret_cast<const uint8_t*>(index.data() + at), 88));
    for (const std::string& name : names) {
        if (name.empty() || name.find_first_of("\\/") != std::string::npos)
            continue;
        ReadWhole(folder, name);
    }
    DataResFile file;
    file.Open(folder.NarrowPath("MEMBER_EN.DAT").c_str(), true, 1);
    return 0;
}
