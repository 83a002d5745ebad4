#include "core/records/ScheduleSortDirections.h"

namespace courtlog {

bool ScheduleSortDirections::takeFlag(ScheduleColumn column) {
    bool& stored = flags_[static_cast<std::size_t>(column)];
    const bool now = stored;
    stored = !stored;
    return now;
}

}  // namespace courtlog
