#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/records/Game.h"

namespace courtlog::output {

// Which play of a game was recorded last. A game keeps each team's plays in
// a list of its own, so the order across the two teams is learnt by watching
// the lists grow and shrink from change to change: a play recorded pushes
// its team, an undo takes it back off.
class LastPlayTracker {
public:
    // Starts with what game holds now; those plays are not "last" to anyone.
    explicit LastPlayTracker(const Game& game);

    // Follows the game after a change and returns the feed's text of the
    // last play ("" when none was recorded since the start).
    std::string follow(const Game& game);

private:
    std::size_t homeCount_ = 0;
    std::size_t visitorCount_ = 0;
    std::vector<bool> recordedSides_;  // true: home
};

}  // namespace courtlog::output
