#pragma once

#include <string_view>

namespace courtlog {

// The eight columns of the schedule list, in their order; a click on one
// sorts the schedule by it.
enum class ScheduleColumn { Date, Time, Event, Home, Visitor, GameFile, Court, Note };
inline constexpr int kScheduleColumnCount = 8;

// "Date", "Time", "Event", "Home", "Visitor", "Game File", "Court", "Note".
std::string_view scheduleColumnTitle(ScheduleColumn column);

// Date, Time, Event and Court are centred in the list; the others left-aligned.
bool scheduleColumnCentred(ScheduleColumn column);

// The column at a list index 0..7.
ScheduleColumn scheduleColumnAt(int index);

}  // namespace courtlog
