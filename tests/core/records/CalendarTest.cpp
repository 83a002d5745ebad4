#include <gtest/gtest.h>

#include "core/records/Calendar.h"

using namespace courtlog::calendar;

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (the civil-calendar
// algorithm), an independent reckoning to compare the weekdays with.
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

int civilWeekday(int y, int m, int d) {
    const long long days = daysFromCivil(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
    // 1970-01-01 was a Thursday (4).
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

bool gregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

TEST(CalendarWeekday, EveryDayFrom1600To2400) {
    int compared = 0;
    for (int year = 1600; year <= 2400; ++year)
        for (int month = 1; month <= 12; ++month) {
            const int days = daysInMonth(month, year);
            for (int day = 1; day <= days; ++day) {
                // The calendar's own 29 February of 1700, 1800, ... is no real date.
                if (month == 2 && day == 29 && !gregorianLeap(year)) continue;
                ASSERT_EQ(weekdayOf(year, month, day), civilWeekday(year, month, day))
                    << year << "-" << month << "-" << day;
                ++compared;
            }
        }
    EXPECT_EQ(compared, 801 * 365 + 195);  // 195 of the 801 years are leap years
}

TEST(CalendarWeekday, JulianCalendarBeforeOctober1582) {
    // Thursday 4 October 1582 was followed by Friday 15 October.
    EXPECT_EQ(weekdayOf(1582, 10, 4), 4);
    EXPECT_EQ(weekdayOf(1582, 10, 15), 5);
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1), 2451544.5);
    EXPECT_DOUBLE_EQ(julianDay(1582, 10, 15) - julianDay(1582, 10, 4), 1.0);
    // Years 0 and 1 around the negative-year branch: one day apart.
    EXPECT_DOUBLE_EQ(julianDay(1, 1, 1) - julianDay(0, 12, 31), 1.0);
    EXPECT_DOUBLE_EQ(julianDay(0, 3, 1) - julianDay(0, 2, 29), 1.0);
}

TEST(CalendarMonthLengths, NoCenturyRule) {
    EXPECT_EQ(daysInMonth(2, 2100), 29);
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, 2023), 28);
    EXPECT_EQ(daysInMonth(4, 2023), 30);
    EXPECT_EQ(daysInMonth(12, 2023), 31);
}

}  // namespace
