#include "core/records/UniformChoice.h"

#include <algorithm>

#include "core/records/UniformNumber.h"

namespace courtlog {

namespace {

// The uniform a stored number stands for: every 00 alike.
int uniformOf(int number) { return isDoubleZero(number) ? kUniformDoubleZero : number; }

}  // namespace

std::optional<std::size_t> playerWearing(const std::vector<Player>& players, int number, int except) {
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (static_cast<int>(i) == except) continue;
        if (uniformOf(players[i].number) == uniformOf(number)) return i;
    }
    return std::nullopt;
}

bool wouldShareUniform(const std::vector<Player>& players, int index, int number) {
    const bool known = index >= 0 && index < static_cast<int>(players.size());
    if (known && uniformOf(players[static_cast<std::size_t>(index)].number) == uniformOf(number)) return false;
    return playerWearing(players, number, known ? index : -1).has_value();
}

int firstFreeUniform(const std::vector<Player>& players) {
    const int entries = static_cast<int>(uniformChoices().size());
    for (int entry = 0; entry < entries; ++entry)
        if (const int uniform = uniformOfChoice(entry); !playerWearing(players, uniform)) return uniform;
    return kUniformDoubleZero;
}

}  // namespace courtlog
