#include "core/records/CalendarDate.h"

#include <ctime>

#include "core/records/Clock.h"
#include "core/records/FieldText.h"

namespace courtlog {

CalendarDate CalendarDate::today() {
    const std::tm local = localClockNow();
    CalendarDate d;
    d.year = local.tm_year + 1900;
    d.day = static_cast<std::int8_t>(local.tm_mday);
    d.month = static_cast<std::int8_t>(local.tm_mon + 1);
    return d;
}

std::optional<CalendarDate> dateFromText(std::string_view text) {
    int values[3] = {0, 0, 0};
    if (scanNumbers(text, '/', values, 3) != 3) return std::nullopt;
    const int month = values[0], day = values[1], year = values[2];
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0) return std::nullopt;
    CalendarDate date;
    date.year = year;
    date.day = static_cast<std::int8_t>(day);
    date.month = static_cast<std::int8_t>(month);
    return date;
}

}  // namespace courtlog
