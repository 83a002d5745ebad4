#pragma once

#include <string>
#include <string_view>

#include "core/records/Team.h"

namespace courtlog {

// How loading a team for use went.
enum class TeamLoad {
    Loaded,
    CannotLoad,  // missing, unreadable, or shorter than a team's header
    Damaged,     // read, but not whole: players cut short or values out of range
};

// Loads the team file at path into team for use: in a game, a schedule, an
// export or a handheld copy. The one way every such consumer reads a team,
// so none of them takes a damaged one: a file that cannot be read gives
// CannotLoad with "Can't load team ! PATH: reason"; a damaged one gives
// Damaged with what teamDamageText says of it (naming shownPath, the path
// itself when empty). Only the team editor opens a damaged team, to mend it.
TeamLoad loadTeamForUse(const std::string& path, Team& team, std::string* message,
                        std::string_view shownPath = {});

// loadTeamForUse in place of team (a side of a game being set up): the file
// is read over a copy of team without its players, name, coach and
// assistant, and team takes it only when it Loaded, so a file that cannot
// be used changes nothing. The copy keeps whether team carries personal
// information.
TeamLoad replaceTeamFromFile(const std::string& path, Team& team, std::string* message,
                             std::string_view shownPath = {});

// Reads the team a command names: a team file, loaded for use as above, or
// by its extension (any case) a comma-delimited (".csv") or plain-text
// (".txt") roster. False with the message to show ("Can't load team ! PATH:
// reason", the damage, or "Can't import team ! ..." for a roster) when it
// cannot be used.
bool readTeamOrRoster(const std::string& path, Team& team, std::string* message);

}  // namespace courtlog
