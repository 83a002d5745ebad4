#include "core/records/PlayerEntry.h"

#include <algorithm>

namespace courtlog {

PlayerNameProblem checkPlayerName(const std::vector<Player>& players, const std::string& name, int except) {
    const bool blank = std::all_of(name.begin(), name.end(), [](char c) { return c == ' ' || c == '\t'; });
    if (blank) return PlayerNameProblem::Empty;
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (static_cast<int>(i) != except && players[i].name == name) return PlayerNameProblem::Taken;
    }
    return PlayerNameProblem::None;
}

std::optional<std::size_t> renamedOntoTakenName(const std::vector<Player>& before, const std::vector<Player>& edited) {
    for (std::size_t i = 0; i < edited.size() && i < before.size(); ++i) {
        if (edited[i].name == before[i].name) continue;
        if (checkPlayerName(edited, edited[i].name, static_cast<int>(i)) == PlayerNameProblem::Taken) return i;
    }
    return std::nullopt;
}

}  // namespace courtlog
