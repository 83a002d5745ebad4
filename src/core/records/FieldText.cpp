#include "core/records/FieldText.h"

#include <algorithm>
#include <limits>

namespace courtlog {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Digits from text[i] on, held at limit; i ends after the last digit.
long long readDigits(std::string_view text, std::size_t& i) {
    constexpr long long limit = std::numeric_limits<long long>::max() / 10 - 9;
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) value = std::min(value * 10 + (text[i] - '0'), limit);
    return value;
}

}  // namespace

long long leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    const long long value = readDigits(text, i);
    return negative ? -value : value;
}

std::int16_t toInt16(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(value, std::numeric_limits<std::int16_t>::min(),
                                                           std::numeric_limits<std::int16_t>::max()));
}

int scanNumbers(std::string_view text, char separator, int* values, int count) {
    std::size_t i = 0;
    int read = 0;
    while (read < count) {
        if (read > 0) {
            if (i >= text.size() || text[i] != separator) break;
            ++i;
        }
        while (i < text.size() && isBlank(text[i])) ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
        if (i >= text.size() || !isDigit(text[i])) break;
        const long long value = std::min<long long>(readDigits(text, i), std::numeric_limits<int>::max());
        values[read++] = static_cast<int>(negative ? -value : value);
    }
    return read;
}

}  // namespace courtlog
