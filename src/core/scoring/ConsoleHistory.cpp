#include "core/scoring/ConsoleHistory.h"

namespace courtlog::scoring {

bool ConsoleHistory::perform(std::unique_ptr<ConsoleCommand> command, Game& game, ConsoleState& console) {
    if (!command || !command->apply(game, console)) return false;
    done_.push_back(std::move(command));
    undone_.clear();
    return true;
}

const ConsoleCommand* ConsoleHistory::undo(Game& game, ConsoleState& console) {
    if (done_.empty()) return nullptr;
    done_.back()->revert(game, console);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back().get();
}

const ConsoleCommand* ConsoleHistory::redo(Game& game, ConsoleState& console) {
    if (undone_.empty() || !undone_.back()->apply(game, console)) return nullptr;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back().get();
}

void ConsoleHistory::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace courtlog::scoring
