#include "core/records/PlayerEntry.h"

#include <algorithm>

namespace courtlog {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view withoutBlanksAround(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string trimmedName(std::string_view typed, std::size_t maxChars) {
    std::string_view name = withoutBlanksAround(typed);
    return std::string(withoutBlanksAround(name.substr(0, std::min(maxChars, name.size()))));
}

PlayerNameProblem checkPlayerName(const std::vector<Player>& players, const std::string& name, int except) {
    const std::string_view wanted = withoutBlanksAround(name);
    if (wanted.empty()) return PlayerNameProblem::Empty;
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (static_cast<int>(i) != except && withoutBlanksAround(players[i].name) == wanted)
            return PlayerNameProblem::Taken;
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
