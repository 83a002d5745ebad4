#pragma once

#include <vector>

#include "core/records/Game.h"

namespace courtlog::scoring {

// What one change at the console did to the two play lists, told to the
// running counts that follow them (console figures, team sheets, viewers,
// the game's file image) so that a play costs them one play's work: plays
// added at the end of a list or taken from its end, in the order that
// happened, and the lists changed as a whole (an event edit, a rename),
// which are counted afresh.
struct PlaysChange {
    struct Step {
        bool home = true;
        bool added = true;  // false: taken from the end of its list
        PlayEvent play;
        bool operator==(const Step&) const = default;
    };
    std::vector<Step> steps;
    bool homeReplaced = false;
    bool visitorReplaced = false;

    static PlaysChange added(bool home, const PlayEvent& play) { return {{{home, true, play}}}; }
    static PlaysChange removed(bool home, const PlayEvent& play) { return {{{home, false, play}}}; }
    static PlaysChange replaced(bool home, bool visitor) { return {{}, home, visitor}; }

    bool replaces(bool home) const { return home ? homeReplaced : visitorReplaced; }
    bool empty() const { return steps.empty() && !homeReplaced && !visitorReplaced; }
    bool operator==(const PlaysChange&) const = default;

    // Tells a running count of one side's plays what this change did to
    // that side: count.add(play) and count.removeLast(play) step by step,
    // or count.recount(list) once for a list changed as a whole.
    template <class Count>
    void applyTo(Count& count, const Game& game, bool home) const {
        if (replaces(home)) {
            count.recount(game.events(home));
            return;
        }
        for (const Step& step : steps) {
            if (step.home != home) continue;
            if (step.added)
                count.add(step.play);
            else
                count.removeLast(step.play);
        }
    }
};

}  // namespace courtlog::scoring
