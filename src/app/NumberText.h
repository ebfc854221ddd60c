#pragma once
#include <string_view>

// Reading numbers out of texts that come from outside (configuration values, diagnostic values).

// The leading decimal integer of a text, as the configuration reads it: leading blanks and one sign
// are allowed, anything after the digits is ignored, a text that does not start with a number gives 0.
// A number beyond the range of int is clamped to INT_MIN or INT_MAX.
int ParseLeadingInt(std::string_view text);
