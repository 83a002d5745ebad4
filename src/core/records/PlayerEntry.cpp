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

}  // namespace courtlog
