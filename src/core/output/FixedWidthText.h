#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Fixed-width text as the plain-text outputs lay it out: columns counted in
// characters of UTF-8 text (not bytes, so "José" takes four columns), and
// numbers written the same whatever locale the process runs in.
namespace courtlog::output {

// Characters (code points) in UTF-8 text; a stray byte counts as one.
std::size_t characterCount(std::string_view utf8);

// Text followed by blanks up to width characters; longer text stays whole.
std::string leftAligned(std::string_view utf8, std::size_t width);

// A whole number right-aligned in width characters; wider numbers stay whole.
std::string rightAligned(long long value, std::size_t width);

// A number with precision decimals, rounded as C's "%f" rounds, with '.'
// as the decimal point, right-aligned in width characters.
std::string fixedPoint(double value, int precision, std::size_t width = 0);

// Text shorter than width characters gets (width - length) / 2 leading
// blanks; text of width characters or more is left as it is.
std::string centred(std::string_view utf8, std::size_t width);

}  // namespace courtlog::output
