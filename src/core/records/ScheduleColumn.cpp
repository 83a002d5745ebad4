#include "core/records/ScheduleColumn.h"

#include <array>

namespace courtlog {

std::string_view scheduleColumnTitle(ScheduleColumn column) {
    static constexpr std::array<std::string_view, kScheduleColumnCount> kTitles{
        "Date", "Time", "Event", "Home", "Visitor", "Game File", "Court", "Note"};
    return kTitles[static_cast<std::size_t>(column)];
}

bool scheduleColumnCentred(ScheduleColumn column) {
    return column == ScheduleColumn::Date || column == ScheduleColumn::Time || column == ScheduleColumn::Event ||
           column == ScheduleColumn::Court;
}

ScheduleColumn scheduleColumnAt(int index) {
    if (index < 0 || index >= kScheduleColumnCount) return ScheduleColumn::Date;
    return static_cast<ScheduleColumn>(index);
}

}  // namespace courtlog
