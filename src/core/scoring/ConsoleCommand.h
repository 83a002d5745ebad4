#pragma once

#include <optional>
#include <string>

#include "core/records/Game.h"
#include "core/scoring/ConsoleState.h"
#include "core/scoring/PlaysChange.h"

namespace courtlog::scoring {

// One change made at the game console (a play, a prompt's answer, a time
// out, a substitution, a period change, swapping sides, a closed event
// editor), kept so that Ctrl+Z can take it back and Ctrl+Y make it again.
//
// Changes are taken back newest first, so revert always finds the game as
// apply left it. Each command puts back its part of the game itself; the
// console state (prompts, bench choices, title, sides) is the same swap for
// all: apply puts in place the state the command was made with and keeps the
// one it found, revert swaps them back. The game keeps its scores itself.
class ConsoleCommand {
public:
    virtual ~ConsoleCommand() = default;
    ConsoleCommand(const ConsoleCommand&) = delete;
    ConsoleCommand& operator=(const ConsoleCommand&) = delete;

    // Makes the change; false when it cannot be made, and then neither the
    // game nor the console state changed.
    bool apply(Game& game, ConsoleState& console);
    // Takes back the change the last apply made.
    void revert(Game& game, ConsoleState& console);

    // What the last apply (applied) or revert did to the play lists, for
    // the running counts that follow them. Most changes leave the lists
    // alone: nothing.
    virtual PlaysChange playsChange(bool applied) const;

    // A few words for the scorekeeper: "2 pointer made, #3 Marsh".
    std::string describe() const { return description_; }

protected:
    // after: the console state the change leaves; none when it leaves the
    // console as it finds it.
    ConsoleCommand(std::string description, std::optional<ConsoleState> after);

    virtual bool applyToGame(Game& game) = 0;
    virtual void revertOnGame(Game& game) = 0;

private:
    std::string description_;
    // Before apply: the state apply puts in place. After: the one it found.
    std::optional<ConsoleState> otherState_;
};

}  // namespace courtlog::scoring
