#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/records/Player.h"

namespace courtlog {

// Uniform numbers within one team. Two players may wear one number (a
// borrowed shirt happens), so a shared number is only pointed out to the
// user, who may keep it; a player added in the middle of a game starts with
// a number nobody wears.

// The first player of players other than except who wears the uniform that
// number stands for (every negative number is the uniform 00); nullopt when
// nobody does.
std::optional<std::size_t> playerWearing(const std::vector<Player>& players, int number, int except = -1);

// True when giving the player at index (-1: a new player) the uniform
// number would make him share it: another player wears it, and it is not
// the one he wears already (a number he shared before is not news).
bool wouldShareUniform(const std::vector<Player>& players, int index, int number);

// The first uniform that nobody wears, in the order the uniform lists offer
// them: 00, then 0 to 99. 00 when every uniform is worn.
int firstFreeUniform(const std::vector<Player>& players);

}  // namespace courtlog
