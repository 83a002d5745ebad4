#include "core/output/FixedWidthText.h"

#include <array>
#include <charconv>
#include <system_error>

namespace courtlog::output {

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string leftAligned(std::string_view utf8, std::size_t width) {
    std::string out(utf8);
    const std::size_t length = characterCount(utf8);
    if (length < width) out.append(width - length, ' ');
    return out;
}

std::string rightAligned(long long value, std::size_t width) {
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const std::size_t length = ec == std::errc() ? static_cast<std::size_t>(end - digits.data()) : 0;
    std::string out;
    if (length < width) out.assign(width - length, ' ');
    out.append(digits.data(), length);
    return out;
}

std::string fixedPoint(double value, int precision, std::size_t width) {
    // Large enough for any double in fixed notation with a few decimals.
    std::array<char, 400> digits;  // to_chars writes what it returns; no need to clear it
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                         std::chars_format::fixed, precision);
    const std::size_t length = ec == std::errc() ? static_cast<std::size_t>(end - digits.data()) : 0;
    std::string out;
    if (length < width) out.assign(width - length, ' ');
    out.append(digits.data(), length);
    return out;
}

std::string centred(std::string_view utf8, std::size_t width) {
    const std::size_t length = characterCount(utf8);
    std::string out;
    if (length < width) out.assign((width - length) / 2, ' ');
    out.append(utf8);
    return out;
}

}  // namespace courtlog::output
