#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/records/Game.h"

namespace courtlog::scoring {

// Taking back plays recorded at the console (Ctrl+Z) and putting them back
// (Ctrl+Shift+Z, Ctrl+Y). The history starts empty when the console opens.
// Only plays the console records are in it: changes made in the event
// editor are their own correction and are never undone here.
class ConsoleUndo {
public:
    // Which side a step changed, so the console repaints that side.
    struct Step {
        bool done = false;
        bool home = false;
    };

    // Remembers how both teams' "played in period" marks stand, as the
    // starting point for the first recorded play. Call when the console opens.
    explicit ConsoleUndo(const Game& game);

    // The console has just appended a play to one side's list (event dialog,
    // prompt answer or time out). Clears what could be put back.
    void recorded(const Game& game, bool home);

    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }

    // Removes the most recent recorded play still in its list as recorded
    // (a play the event editor changed or deleted since is passed over) and
    // restores the players' marks from before it.
    Step undo(Game& game);
    // Appends the most recently undone play again, with its marks.
    Step redo(Game& game);

private:
    using Marks = std::vector<std::pair<std::string, std::array<std::int16_t, Player::kPeriodSlots>>>;
    struct Entry {
        bool home = false;
        PlayEvent event;
        Marks before;
        Marks after;
    };

    static Marks marksOf(const Team& team);
    static void applyMarks(Team& team, const Marks& marks);

    std::vector<Entry> done_;
    std::vector<Entry> undone_;
    Marks homeMarks_;
    Marks visitorMarks_;
};

}  // namespace courtlog::scoring
