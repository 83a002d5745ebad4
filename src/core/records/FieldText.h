#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace courtlog {

// Reading numbers typed into fields or found in text files, the one way the
// whole program does it.

// The decimal number at the start of text, as the C library's atoi reads it
// (leading blanks, an optional sign, the digits; anything after is ignored),
// 0 when there is none. Never overflows: a long run of digits is held at the
// range of long long.
long long leadingNumber(std::string_view text);

// A value brought into the range of a 16-bit record field instead of
// wrapping round to an unrelated one.
std::int16_t toInt16(long long value);

// Reads up to count numbers separated by separator, the way "%d/%d/%d" does:
// blanks may precede a number, the separator must follow it directly.
// values[i] is only written for numbers that were read; returns how many.
int scanNumbers(std::string_view text, char separator, int* values, int count);

}  // namespace courtlog
