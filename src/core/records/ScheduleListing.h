#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/records/Schedule.h"

namespace courtlog {

// The eight cells of one list row, in column order: "%d/%d/%d" date,
// "%d:%02d" time, kind text, home, visitor, game file, court, note.
using ScheduleListRow = std::array<std::string, kScheduleColumnCount>;

// The schedule's list as the editor shows it.
struct ScheduleListing {
    std::vector<ScheduleListRow> rows;  // one per entry, in list order
    // Entries whose game file could be found neither where it was stored
    // nor by its bare name; their file references have been cleared.
    std::vector<int> lostGames;
};

// Lists the schedule. An entry with a game file shows the two team names of
// that game: when the stored path does not load but the bare name does (see
// loadScheduledGame), the entry keeps the path that loaded; when neither
// loads, the entry loses its game and team files. An entry without a game
// file shows its own names and an empty game-file cell.
ScheduleListing listSchedule(Schedule& schedule, const std::vector<std::string>& gameFolders);

// The row of one entry, with the names of its game when there is one.
ScheduleListRow scheduleListRow(const ScheduleEntry& entry, const Game* game);

}  // namespace courtlog
