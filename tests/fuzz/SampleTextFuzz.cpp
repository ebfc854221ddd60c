// Any sample text: the parser must stay inside the text, give -1 exactly for texts with other
// characters than digits, '.' and a leading '-', and agree with plain integer parsing where that
// cannot overflow.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "GraphSamples.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* terminated = text.c_str();  // ends at the first NUL byte, as texts from the block do
    const std::string seen(terminated);
    const int value = ParseSampleText(terminated);

    bool valid = true;
    for (size_t i = 0; i < seen.size(); ++i) {
        const char c = seen[i];
        if (!(c >= '0' && c <= '9') && c != '.' && !(c == '-' && i == 0))
            valid = false;
    }
    if (!valid && value != -1)
        abort();
    if (valid && seen.find('.') == std::string::npos && seen.size() <= 10 && seen != "-") {
        const long long expected = std::strtoll(seen.c_str(), nullptr, 10);
        if (value != static_cast<int>(expected < INT32_MIN ? INT32_MIN : expected > INT32_MAX ? INT32_MAX : expected))
            abort();
    }
    return 0;
}
