#include "core/scoring/GameSetupRules.h"

#include <algorithm>
#include <string>
#include <utility>

namespace courtlog::scoring {

LineupProblem checkStartingLineup(const Team& team) {
    for (int slot = 1; slot <= 5; ++slot) {
        const auto holders = std::count_if(team.players.begin(), team.players.end(),
                                           [slot](const Player& player) { return player.courtSlot == slot; });
        if (holders == 0) return LineupProblem::Incomplete;
        if (holders > 1) return LineupProblem::Duplicates;
    }
    return LineupProblem::None;
}

void renameEditedPlayers(Game& game, bool home, const std::vector<Player>& edited) {
    // Copies: renaming changes the roster entries themselves.
    const std::vector<Player> original = (home ? game.home : game.visitor).players;
    std::vector<std::pair<Player, Player>> pending;  // stand-in, final
    for (std::size_t i = 0; i < edited.size() && i < original.size(); ++i) {
        if (original[i].name == edited[i].name && original[i].number == edited[i].number) continue;
        // A control character cannot be typed into a name, so no player has it.
        Player standIn = edited[i];
        standIn.name = std::string("\x1f") + std::to_string(i);
        game.renamePlayer(original[i], standIn, home);
        pending.emplace_back(standIn, edited[i]);
    }
    for (const auto& [standIn, wanted] : pending) game.renamePlayer(standIn, wanted, home);
}

int periodAfterSwitchToHalves(int currentPeriod) {
    if (currentPeriod == 1) return 0;
    if (currentPeriod == 3) return 2;
    return currentPeriod;
}

}  // namespace courtlog::scoring
