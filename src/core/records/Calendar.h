#pragma once

namespace courtlog::calendar {

// Days in month (1..12) of year. Every year divisible by 4 has a
// 29 February, centuries included (the date picker's own rule).
int daysInMonth(int month, int year);

// The astronomical Julian day at midnight beginning the date: Gregorian from
// 15 October 1582 on, Julian before.
double julianDay(int year, int month, int day);

// 0 Sunday .. 6 Saturday.
int weekdayOf(int year, int month, int day);

}  // namespace courtlog::calendar
