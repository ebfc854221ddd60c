// Any bytes as a recording file: no crash, no read outside the bytes, no allocation the bytes do
// not pay for, and what was read writes out and reads back the same.
#include <cstdint>
#include <cstdlib>
#include <cwchar>

#include "DSRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CDSRecord record;
    if (record.LoadFromBytes(std::span<const uint8_t>(data, size)) == 0) {
        if (record.GetItemCount() != 0 || record.GetSampleCount() != 0)
            std::abort();
        return 0;
    }
    if (record.GetItemCount() < 1 || record.GetItemCount() > static_cast<int>(CDSRecord::kMaxItems) ||
        static_cast<size_t>(record.GetSampleCount()) > size)
        std::abort();
    for (int row = 0; row < record.GetRowCount(); ++row)
        for (int item = 0; item < record.GetItemCount(); ++item)
            if (!record.GetSample(row, item))
                std::abort();

    CDSRecord again;
    if (again.LoadFromBytes(record.ToFileBytes()) != 1 || again.GetItemCount() != record.GetItemCount() ||
        again.GetSampleCount() != record.GetSampleCount())
        std::abort();
    for (int i = 0; i < record.GetSampleCount(); ++i) {
        const int item = i % record.GetItemCount();
        if (std::wcscmp(again.GetSample(i / record.GetItemCount(), item), record.GetSample(i / record.GetItemCount(), item)) != 0)
            std::abort();
    }
    return 0;
}
