#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/records/Game.h"
#include "core/scoring/ConsoleCommand.h"
#include "core/scoring/EventEditing.h"

namespace courtlog::scoring {

// One opening of the event editor on a team's plays. The editor changes a
// copy of the team's list, never the game; closing it (OK or Cancel alike:
// updates and deletions already made stay) hands over one command that puts
// the edited lists in the game, so the whole session is undone as one step.
class EventEditSession {
public:
    EventEditSession(const Game& game, bool home);

    bool home() const { return home_; }
    const Team& team() const;
    bool halves() const { return game_.halves != 0; }

    // The team's plays as edited so far, "No Event" plays still in place.
    const std::vector<PlayEvent>& plays() const { return plays_; }
    // The play at row, for moving its shot spot; nullptr outside the list.
    PlayEvent* editablePlay(int row);

    // "&Update Event" on the play at row; not updated (and no message) for a
    // row outside the list.
    UpdateResult update(int row, const EventChoice& choice);
    // "&Delete Event"; false for a row outside the list.
    bool remove(int row);

    // Closing: plays marked "No Event" leave both teams' lists. The command
    // that puts the edited lists in the game; nullptr when they are as the
    // game has them.
    std::unique_ptr<ConsoleCommand> finish() const;
    // "Hawks plays edited (2 updated, 1 deleted)".
    std::string describe() const;

private:
    const Game& game_;
    const bool home_;
    std::vector<PlayEvent> plays_;
    int updates_ = 0;
    int deletions_ = 0;
};

}  // namespace courtlog::scoring
