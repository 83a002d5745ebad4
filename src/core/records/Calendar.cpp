#include "core/records/Calendar.h"

#include <array>
#include <cmath>

namespace courtlog::calendar {

int daysInMonth(int month, int year) {
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return year % 4 == 0 ? 29 : 28;
        default:
            return 31;
    }
}

bool existsInGregorianCalendar(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int days = month == 2 ? (leap ? 29 : 28) : daysInMonth(month, year);
    return day <= days;
}

double julianDay(int year, int month, int day) {
    // January and February count as months 13 and 14 of the year before.
    int y = year;
    int m = month;
    if (m < 3) {
        y -= 1;
        m += 12;
    }
    // The Gregorian calendar drops the century leap days from 15 October 1582.
    double correction = 0.0;
    const bool gregorian = year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
    if (gregorian) {
        const int century = y / 100;
        correction = 2 - century + century / 4;
    }
    const double yearDays = y < 0 ? std::floor(365.25 * y - 0.75) : std::floor(365.25 * y);
    const double monthDays = std::floor(30.6001 * (m + 1));
    return correction + yearDays + monthDays + day + 1720994.5;
}

int weekdayOf(int year, int month, int day) {
    const double weeks = (julianDay(year, month, day) + 1.5) / 7.0;
    const double fraction = weeks - std::floor(weeks);
    return static_cast<int>(fraction * 7.0 + 0.5) % 7;
}

std::string_view weekdayName(int weekday) {
    static constexpr std::array<std::string_view, 7> kNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                            "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday < 7 ? kNames[static_cast<std::size_t>(weekday)] : std::string_view();
}

std::string_view monthName(int month) {
    static constexpr std::array<std::string_view, 12> kNames{"January", "February", "March",     "April",
                                                             "May",     "June",     "July",      "August",
                                                             "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? kNames[static_cast<std::size_t>(month - 1)] : std::string_view();
}

}  // namespace courtlog::calendar
