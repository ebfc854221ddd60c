#pragma once
// Byte strings and answer lists of the control-unit command layer as plain vectors, so tests can
// compare them at once.
#include <cstdint>
#include <vector>

#include "EcuAnswers.h"

using Bytes = std::vector<uint8_t>;
using Lists = std::vector<std::vector<Bytes>>;

inline ByteString Piece(const Bytes& bytes)
{
    return ByteString(bytes.data(), static_cast<int>(bytes.size()));
}

inline Lists Plain(const EcuAnswerLists& lists)
{
    Lists plain;
    for (const EcuFrameList& list : lists) {
        plain.emplace_back();
        for (const ByteString& entry : list)
            plain.back().push_back(Bytes(entry.GetData(), entry.GetData() + entry.GetLength()));
    }
    return plain;
}
