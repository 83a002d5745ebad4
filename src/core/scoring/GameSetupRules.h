#pragma once

#include <vector>

#include "core/records/Game.h"

namespace courtlog::scoring {

// What is wrong with a team's starting lineup: each of the five court slots
// must be held by exactly one player.
enum class LineupProblem { None, Incomplete, Duplicates };

// The first slot (1..5) that no player or more than one player holds decides.
LineupProblem checkStartingLineup(const Team& team);

// Gives the players of one side of game their edited names and numbers, in
// the roster and in every recorded play. edited is the side's roster as the
// user left it, entry by entry beside the roster as it stands.
//
// Only players whose name or number changed are renamed: renaming an
// unchanged player would give every namesake his number too. Renaming goes
// through a stand-in name no player has, so that swapped names, or a name
// handed on to another player, never merge two players (and their plays).
void renameEditedPlayers(Game& game, bool home, const std::vector<Player>& edited);

// The period a game scored in quarters continues in when the league switches
// to halves: the 2nd quarter belongs to the 1st half, the 4th to the 2nd.
int periodAfterSwitchToHalves(int currentPeriod);

}  // namespace courtlog::scoring
