#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace courtlog {

// A date as the records store it, a birthday and a scheduled event's day
// alike: year, day of month, month (1..12), in file order.
struct CalendarDate {
    std::int32_t year = 0;
    std::int8_t day = 0;
    std::int8_t month = 0;

    bool operator==(const CalendarDate&) const = default;
    static CalendarDate today();
};

// A date typed "month/day/year" (blanks may precede each number): nullopt
// unless all three are there, the month 1..12, the day 1..31 and the year
// not negative.
std::optional<CalendarDate> dateFromText(std::string_view text);

}  // namespace courtlog
