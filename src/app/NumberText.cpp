#include "NumberText.h"

#include <climits>
#include <cstdint>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int ParseLeadingInt(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';

    // Accumulate in 64 bits and stop growing past the int range, so no digit count can overflow.
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
