#pragma once

#include <array>
#include <cstddef>

#include "core/records/ScheduleColumn.h"

namespace courtlog {

// The direction flags of the eight columns, all set at first. Sorting by a
// column uses its flag and then turns it over, so a second click on the
// same column gives the other order.
class ScheduleSortDirections {
public:
    bool flag(ScheduleColumn column) const { return flags_[static_cast<std::size_t>(column)]; }
    // The flag to sort with now; the stored flag is inverted for next time.
    bool takeFlag(ScheduleColumn column);

private:
    std::array<bool, kScheduleColumnCount> flags_{true, true, true, true, true, true, true, true};
};

}  // namespace courtlog
