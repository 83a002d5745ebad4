#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records/ByteIo.h"
#include "core/records/CalendarDate.h"

namespace courtlog {

class Game;

// The day of a scheduled event as the schedule file holds it (6 bytes).
using EventDate = CalendarDate;

// What a scheduled event is. Values outside 0..8 read "No Event".
enum ScheduleEventKind : int {
    NoScheduledEvent = 0,
    PracticeEvent = 1,
    GameEvent = 2,
    PracticeGameEvent = 3,
    TeamMeetingEvent = 4,
    WorkoutEvent = 5,
    PartyEvent = 6,
    PreSeasonEvent = 7,
    TournamentEvent = 8,
};
inline constexpr int kLastScheduleEventKind = TournamentEvent;

// "No Event", "Practice", "Game", ... as the list, exports and printout show it.
std::string_view scheduleEventKindText(int kind);

// One event of a season schedule: 1024 bytes in the schedule file, packed
// and little-endian. Every text keeps its terminating NUL within its field,
// so it holds one character less than the field's width.
struct ScheduleEntry {
    static constexpr std::size_t kRecordSize = 1024;
    static constexpr std::size_t kNameWidth = 25, kNameLength = 24;    // court and the two team names
    static constexpr std::size_t kPathWidth = 260, kPathLength = 259;  // team and game file paths
    static constexpr std::size_t kNoteWidth = 131, kNoteLength = 130;

    std::int32_t kind = NoScheduledEvent;
    std::string court;
    std::string homeName;
    std::string homeFile;  // empty when no team file was chosen
    std::string visitorName;
    std::string visitorFile;
    std::string gameFile;  // empty until a game file belongs to the event
    EventDate date;
    std::int32_t minute = 0;  // 0..59
    std::int32_t hour = 12;   // 0..24
    std::int32_t reserved1 = 0;
    std::int32_t reserved2 = 0;
    std::int32_t season = 0;
    std::string note;

    bool operator==(const ScheduleEntry&) const = default;

    // The form after "Clear All": no kind, empty texts, today, this season, 12:00.
    static ScheduleEntry blank();
    static ScheduleEntry blankOn(EventDate today);

    void write(ByteWriter& out) const;
    // Decodes one record of kRecordSize bytes. A text without its terminator
    // is cut to its length.
    static ScheduleEntry read(const std::uint8_t* record);

    // Takes the date, time, season and reserved values of the event's game,
    // and its court when the entry names none.
    void takeFromGame(const Game& game);
};

}  // namespace courtlog
