#pragma once

#include <string_view>

namespace courtlog::calendar {

// Days in month (1..12) of year. Every year divisible by 4 has a
// 29 February, centuries included (the date picker's own rule).
int daysInMonth(int month, int year);

// Whether year/month/day is a day of the Gregorian calendar as calendar
// programs and web pages know it: years 1 to 9999, and 29 February only in
// leap years (every fourth year, centuries only when divisible by 400).
bool existsInGregorianCalendar(int year, int month, int day);

// The astronomical Julian day at midnight beginning the date: Gregorian from
// 15 October 1582 on, Julian before.
double julianDay(int year, int month, int day);

// 0 Sunday .. 6 Saturday.
int weekdayOf(int year, int month, int day);

// Full English names: "Sunday" .. "Saturday" for 0..6, "January" ..
// "December" for 1..12; empty for any other value.
std::string_view weekdayName(int weekday);
std::string_view monthName(int month);

}  // namespace courtlog::calendar
