#pragma once

#include <memory>
#include <vector>

#include "core/scoring/ConsoleCommand.h"

namespace courtlog::scoring {

// The console's one undo stack: the changes made since the console opened,
// newest last, and those taken back that can be made again. A new change
// forgets what could be made again.
class ConsoleHistory {
public:
    // Applies command and keeps it. False (nothing kept, nothing changed)
    // when there is no command or it could not be made.
    bool perform(std::unique_ptr<ConsoleCommand> command, Game& game, ConsoleState& console);

    // Takes back the newest change; the command, or nullptr when none is left.
    const ConsoleCommand* undo(Game& game, ConsoleState& console);
    // Makes the change taken back last again; nullptr when there is none.
    const ConsoleCommand* redo(Game& game, ConsoleState& console);

    // What undo and redo would act on next; nullptr when nothing.
    const ConsoleCommand* nextUndo() const { return done_.empty() ? nullptr : done_.back().get(); }
    const ConsoleCommand* nextRedo() const { return undone_.empty() ? nullptr : undone_.back().get(); }

    // Forgets everything: the game changed beside the console's commands.
    void clear();

private:
    std::vector<std::unique_ptr<ConsoleCommand>> done_;
    std::vector<std::unique_ptr<ConsoleCommand>> undone_;
};

}  // namespace courtlog::scoring
