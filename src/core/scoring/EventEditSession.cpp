#include "core/scoring/EventEditSession.h"

#include <algorithm>
#include <optional>

#include "core/records/Codes.h"
#include "core/scoring/ConsoleCommands.h"
#include "core/scoring/ConsoleRules.h"

namespace courtlog::scoring {

namespace {

bool validRow(const std::vector<PlayEvent>& plays, int row) {
    return row >= 0 && row < static_cast<int>(plays.size());
}

// The list as closing leaves it, when that differs from the game's.
std::optional<std::vector<PlayEvent>> changedList(std::vector<PlayEvent> edited, const std::vector<PlayEvent>& live) {
    purgeDeletedPlays(edited);
    if (edited == live) return std::nullopt;
    return edited;
}

}  // namespace

EventEditSession::EventEditSession(const Game& game, bool home)
    : game_(game), home_(home), plays_(scoring::plays(game, home)) {}

const Team& EventEditSession::team() const { return scoring::team(game_, home_); }

PlayEvent* EventEditSession::editablePlay(int row) {
    return validRow(plays_, row) ? &plays_[static_cast<std::size_t>(row)] : nullptr;
}

UpdateResult EventEditSession::update(int row, const EventChoice& choice) {
    if (!validRow(plays_, row)) return {};
    PlayEvent& play = plays_[static_cast<std::size_t>(row)];
    const PlayEvent before = play;
    UpdateResult result = updateEvent(play, choice, team());
    if (result.updated && play != before) ++updates_;
    return result;
}

bool EventEditSession::remove(int row) {
    if (!deletePlay(plays_, row)) return false;
    ++deletions_;
    return true;
}

std::unique_ptr<ConsoleCommand> EventEditSession::finish() const {
    // The other team's list is only purged: it can hold "No Event" plays
    // from a game file, never from this editor.
    const std::vector<PlayEvent>& other = scoring::plays(game_, !home_);
    std::optional<std::vector<PlayEvent>> otherPurged;
    if (std::any_of(other.begin(), other.end(), [](const PlayEvent& play) { return play.kind == NoEvent; }))
        otherPurged = changedList(other, other);
    std::optional<std::vector<PlayEvent>> edited = changedList(plays_, scoring::plays(game_, home_));
    if (!edited && !otherPurged) return nullptr;
    return home_ ? playListsCommand(std::move(edited), std::move(otherPurged), describe())
                 : playListsCommand(std::move(otherPurged), std::move(edited), describe());
}

std::string EventEditSession::describe() const {
    std::string name = team().name;
    if (name.empty()) name = home_ ? "Home" : "Visitor";
    return name + " plays edited (" + std::to_string(updates_) + " updated, " + std::to_string(deletions_) +
           " deleted)";
}

}  // namespace courtlog::scoring
