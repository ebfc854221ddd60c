// Any answer from the vehicle interface to a control-unit command: every list layout and the walk
// of a batch answer must stay inside the bytes and end, and every entry must lie within them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "EcuAnswers.h"

namespace {

void CheckWithin(const EcuAnswerLists& lists, size_t size)
{
    size_t total = 0;
    for (const EcuFrameList& list : lists) {
        if (list.empty())
            __builtin_trap();
        for (const ByteString& entry : list)
            total += static_cast<size_t>(entry.GetLength());
    }
    if (total > size)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the batch records (two bits each), the rest is the answer.
    std::vector<BatchRecord> records;
    for (int i = 0; i < 4; ++i) {
        const int choice = (data[0] >> (2 * i)) & 3;
        records.push_back(choice == 0 ? BatchRecord{kBatchStatusReply, 0}
                                      : BatchRecord{kBatchListReply, choice == 3 ? 1 : 0});
    }
    const std::span<const uint8_t> answer(data + 1, size - 1);
    for (const EcuListLayout layout : {EcuListLayout::kShort, EcuListLayout::kShortFirstStop, EcuListLayout::kLong})
        CheckWithin(DecodeListAnswer(answer, layout), answer.size());
    CheckWithin(DecodeGroupedLongAnswer(answer), answer.size());
    CheckWithin(WalkBatchAnswer(answer, records), answer.size());
    return 0;
}
