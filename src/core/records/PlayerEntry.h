#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/records/Player.h"

namespace courtlog {

// Checks on a player's name before it goes into a roster: players are
// matched by exact name everywhere, so two players of one name on a team
// would merge their plays and statistics.
enum class PlayerNameProblem { None, Empty, Taken };

// name is the record text as it would be stored; except is the index of the
// player being changed (-1 for a new player), whose own name does not count.
PlayerNameProblem checkPlayerName(const std::vector<Player>& players, const std::string& name, int except = -1);

// The first player of edited (a roster as edited, entry by entry beside
// before) whose name was changed to one that another player of edited has;
// nullopt when there is none. Renaming him would merge the two players'
// plays. Names may be swapped between players: only the final names count.
std::optional<std::size_t> renamedOntoTakenName(const std::vector<Player>& before, const std::vector<Player>& edited);

}  // namespace courtlog
