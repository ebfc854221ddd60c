// Any bytes as a file read at any positions: mapped, it gives exactly what the same file gives
// through the system, and its in-place view never reaches past the file's end. The input starts
// with up to eight reads (position u16, count u16, big-endian); the rest is the file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ByteFields.h"
#include "FuzzFolder.h"
#include "ReadOnlyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-readonlyfile");
    if (size < 1)
        return 0;
    const size_t reads = std::min<size_t>(data[0] % 9, (size - 1) / 4);
    const uint8_t* content = data + 1 + reads * 4;
    const size_t contentSize = size - 1 - reads * 4;
    folder.Write("file.bin", content, contentSize);

    CReadOnlyFile mapped;
    CReadOnlyFile plain;
    if (!mapped.Open(folder.Path() / "file.bin") || !plain.Open(folder.Path() / "file.bin"))
        __builtin_trap();
    if (mapped.Map() != (contentSize > 0))
        __builtin_trap();
    for (size_t i = 0; i < reads; ++i) {
        const uint64_t position = GetBe16(data + 1 + i * 4);
        const size_t count = GetBe16(data + 3 + i * 4);
        std::vector<uint8_t> fromMap(count + 1, 0xA5);
        std::vector<uint8_t> fromFile(count + 1, 0xA5);
        const size_t gotMapped = mapped.ReadAt(position, fromMap.data(), count);
        const size_t gotPlain = plain.ReadAt(position, fromFile.data(), count);
        if (gotMapped != gotPlain || fromMap != fromFile)
            __builtin_trap();
        const uint8_t* view = mapped.View(position, count);
        const bool inside = contentSize > 0 && position + count <= contentSize;  // an empty file is not mapped
        if ((view != nullptr) != inside || (view && std::memcmp(view, content + position, count) != 0))
            __builtin_trap();
    }
    return 0;
}
