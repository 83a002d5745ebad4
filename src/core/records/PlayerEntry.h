#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/Player.h"

namespace courtlog {

// Checks on a player's name before it goes into a roster: players are
// matched by exact name everywhere, so two players of one name on a team
// would merge their plays and statistics.
// A typed name (player, team, coach) as it is stored: blanks before and
// after it are dropped, so "Ari Solberg " and "Ari Solberg" are one name;
// the rest is cut to maxChars (and blanks the cut leaves at the end go too).
std::string trimmedName(std::string_view typed, std::size_t maxChars = std::string::npos);

enum class PlayerNameProblem { None, Empty, Taken };

// Names are compared trimmed, so blanks around a name (typed before this
// rule, or read from a file) never make a second player of it.
// name is the record text as it would be stored; except is the index of the
// player being changed (-1 for a new player), whose own name does not count.
PlayerNameProblem checkPlayerName(const std::vector<Player>& players, const std::string& name, int except = -1);

// The first player of edited (a roster as edited, entry by entry beside
// before) whose name was changed to one that another player of edited has;
// nullopt when there is none. Renaming him would merge the two players'
// plays. Names may be swapped between players: only the final names count.
std::optional<std::size_t> renamedOntoTakenName(const std::vector<Player>& before, const std::vector<Player>& edited);

}  // namespace courtlog
