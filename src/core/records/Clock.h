#pragma once

#include <ctime>

namespace courtlog {

// The moment the program takes as "now" for the dates it puts into records
// and outputs (a new game's date, an imported player's birthday, a page's
// printed date, a handheld database's stamps): the system clock, or the
// seconds in SOURCE_DATE_EPOCH when that is set, the common convention for
// reproducible output, which the reference-output tests rely on.
std::time_t clockNow();

// clockNow() as local calendar time.
std::tm localClockNow();

}  // namespace courtlog
