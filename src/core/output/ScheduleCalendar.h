#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/records/Schedule.h"

namespace courtlog::output {

// When a scheduled event starts, on the local wall clock.
struct WallClockStart {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    bool operator==(const WallClockStart&) const = default;
    auto operator<=>(const WallClockStart&) const = default;
};

// The entry's date and time when both exist: a real day of the calendar
// (no 30 February, no month 13, years 1 to 9999) and a time of day; 24:mm,
// which the schedule editor accepts, is mm minutes past midnight of the
// next day. nullopt otherwise.
std::optional<WallClockStart> entryStart(const ScheduleEntry& entry);

// The kind and the teams, UTF-8: "Game - Harbor Hawks vs Valley Miners",
// "Practice - Harbor Hawks", or the kind alone.
std::string entrySummary(const ScheduleEntry& entry);

// How a message names an entry (index from 0, shown from 1), UTF-8:
// "entry 3 (2/30/2026 19:00, Game - Harbor Hawks vs Valley Miners)".
std::string entryLabel(const ScheduleEntry& entry, std::size_t index);

// The schedule as an iCalendar file for calendar programs to import.
struct ScheduleCalendar {
    std::string text;                   // UTF-8, CRLF line ends
    std::vector<std::string> warnings;  // one per entry left out, UTF-8
    std::size_t events = 0;
};

// One event per entry whose start exists (the others are left out, each
// with a warning naming it): DTSTART at the entry's local wall-clock time,
// SUMMARY with the kind and the teams, LOCATION the court and DESCRIPTION
// the note when they hold text, DTSTAMP stampUtc, and a UID made from the
// kind, the date and the two teams (numbered among entries alike), so the
// same schedule exported again, sorted otherwise or with a new time,
// court or note, updates the events a calendar holds instead of adding
// new ones. Lines are folded at 75 octets.
ScheduleCalendar scheduleCalendar(const Schedule& schedule, const ClockReading& stampUtc);

// The present moment in UTC, for DTSTAMP.
ClockReading utcTimeNow();

// A TEXT value escaped: backslash, semicolon and comma get a backslash, a
// line break (CR LF, CR or LF) becomes "\n", other control characters but
// the tab are dropped.
std::string calendarText(std::string_view utf8);
// A content line folded so no line passes 75 octets (never inside a UTF-8
// character), continuation lines starting with a blank, each line ended
// with CR LF.
std::string foldedLine(std::string_view line);

}  // namespace courtlog::output
