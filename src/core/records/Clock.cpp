#include "core/records/Clock.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace courtlog {

std::time_t clockNow() {
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH"); fixed && *fixed) {
        long long seconds = 0;
        const char* end = fixed + std::strlen(fixed);
        const auto [stop, error] = std::from_chars(fixed, end, seconds);
        if (error == std::errc() && stop == end && seconds >= 0) return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

std::tm localClockNow() {
    const std::time_t now = clockNow();
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace courtlog
