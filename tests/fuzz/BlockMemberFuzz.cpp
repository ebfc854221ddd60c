// Any bytes as a block-encoded member: reads at any position, in any order, give the same bytes as
// one read of the whole, never more than the size, and never decipher past the member's end.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ByteFields.h"
#include "DataStoreFile.h"
#include "FuzzFolder.h"
#include "VehicleDataTables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CFuzzFolder folder("fuzz-block");
    if (size < 4)
        return 0;
    // The first four bytes choose the read positions and lengths; the rest follows the marker.
    const uint8_t* steer = data;
    std::string member(kBlockMemberMarker, kBlockMemberMarkerLength);
    member.append(reinterpret_cast<const char*>(data + 4), size - 4);
    if (member.size() >= 42 && !(steer[0] & 1))
        member.replace(38, 4, std::string("\x01\x00\x00\x00", 4));  // AES
    folder.Write("M.BIN", member);

    DataStoreFile whole;
    if (!whole.Open(folder.NarrowPath("M.BIN").c_str(), "rb", false))
        return 0;
    const uint64_t memberSize = whole.GetSize();
    if (memberSize > member.size())
        __builtin_trap();
    std::vector<uint8_t> all(static_cast<size_t>(memberSize) + 16);
    if (whole.Read(all.data(), all.size()) > memberSize)
        __builtin_trap();

    DataStoreFile pieces;
    if (!pieces.Open(folder.NarrowPath("M.BIN").c_str(), "rb", false))
        __builtin_trap();
    uint64_t position = steer[1] % (memberSize + 1);
    for (int i = 0; i < 16; ++i) {
        const size_t length = 1 + (steer[2] + i * steer[3]) % 40;
        std::vector<uint8_t> piece(length);
        pieces.Seek(static_cast<int64_t>(position), SEEK_SET);
        const size_t got = pieces.Read(piece.data(), length);
        if (position + got > memberSize)
            __builtin_trap();
        if (whole.IsBlockEncoded() && got && std::memcmp(piece.data(), all.data() + position, got) != 0)
            __builtin_trap();
        position = (position * 7 + steer[2] + static_cast<uint64_t>(i) * 13) % (memberSize + 1);
    }
    return 0;
}
