// Any bytes as a reply of the web service: parsing must neither crash, hang nor read out of bounds.
#include <cstdint>
#include <string_view>

#include "WebReply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto records = web_reply::ParseProductList(body);
    const auto text = web_reply::ParseText(body);
    const auto list = web_reply::ReadProductList(body);
    if (records.size() > size || text.size() > size || (list && list->size() != records.size()))
        __builtin_trap();
    return 0;
}
