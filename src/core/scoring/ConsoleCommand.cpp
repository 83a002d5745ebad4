#include "core/scoring/ConsoleCommand.h"

#include <utility>

namespace courtlog::scoring {

ConsoleCommand::ConsoleCommand(std::string description, std::optional<ConsoleState> after)
    : description_(std::move(description)), otherState_(std::move(after)) {}

bool ConsoleCommand::apply(Game& game, ConsoleState& console) {
    if (!applyToGame(game)) return false;
    ConsoleState found = console;
    if (otherState_) console = std::move(*otherState_);
    otherState_ = std::move(found);
    return true;
}

PlaysChange ConsoleCommand::playsChange(bool) const { return {}; }

void ConsoleCommand::revert(Game& game, ConsoleState& console) {
    revertOnGame(game);
    if (otherState_) std::swap(console, *otherState_);
}

}  // namespace courtlog::scoring
