#pragma once

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

}  // namespace courtlog
