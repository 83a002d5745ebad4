#include "core/scoring/ConsoleUndo.h"

namespace courtlog::scoring {

ConsoleUndo::ConsoleUndo(const Game& game) : homeMarks_(marksOf(game.home)), visitorMarks_(marksOf(game.visitor)) {}

ConsoleUndo::Marks ConsoleUndo::marksOf(const Team& team) {
    Marks marks;
    marks.reserve(team.players.size());
    for (const Player& player : team.players) marks.emplace_back(player.name, player.playedInPeriod);
    return marks;
}

void ConsoleUndo::applyMarks(Team& team, const Marks& marks) {
    // By name: players added during the game are not in older marks and
    // keep their own.
    for (const auto& [name, played] : marks)
        for (Player& player : team.players)
            if (player.name == name) player.playedInPeriod = played;
}

void ConsoleUndo::recorded(const Game& game, bool home) {
    const std::vector<PlayEvent>& list = home ? game.homeEvents : game.visitorEvents;
    if (list.empty()) return;
    Marks& known = home ? homeMarks_ : visitorMarks_;
    Entry entry{home, list.back(), known, marksOf(home ? game.home : game.visitor)};
    known = entry.after;
    done_.push_back(std::move(entry));
    undone_.clear();
}

ConsoleUndo::Step ConsoleUndo::undo(Game& game) {
    while (!done_.empty()) {
        Entry entry = std::move(done_.back());
        done_.pop_back();
        std::vector<PlayEvent>& list = entry.home ? game.homeEvents : game.visitorEvents;
        // The console only appends, so the play is the last one like it.
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if (*it == entry.event) {
                list.erase(std::next(it).base());
                Team& team = entry.home ? game.home : game.visitor;
                applyMarks(team, entry.before);
                (entry.home ? homeMarks_ : visitorMarks_) = marksOf(team);
                const bool home = entry.home;
                undone_.push_back(std::move(entry));
                game.recomputeScores();
                return {true, home};
            }
        }
        // Changed or deleted in the event editor: not ours to take back.
    }
    return {};
}

ConsoleUndo::Step ConsoleUndo::redo(Game& game) {
    if (undone_.empty()) return {};
    Entry entry = std::move(undone_.back());
    undone_.pop_back();
    const bool added = entry.home ? game.addHomeEvent(entry.event) : game.addVisitorEvent(entry.event);
    if (!added) {
        undone_.push_back(std::move(entry));
        return {};
    }
    Team& team = entry.home ? game.home : game.visitor;
    applyMarks(team, entry.after);
    (entry.home ? homeMarks_ : visitorMarks_) = marksOf(team);
    const bool home = entry.home;
    done_.push_back(std::move(entry));
    game.recomputeScores();
    return {true, home};
}

}  // namespace courtlog::scoring
