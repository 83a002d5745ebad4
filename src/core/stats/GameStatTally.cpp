#include "core/stats/GameStatTally.h"

#include "core/records/Codes.h"
#include "core/records/Game.h"

namespace courtlog::stats {

void GameStatTally::Side::recount(const std::vector<PlayEvent>& list) {
    lines_.clear();
    playsOfLine_.clear();
    lineOf_.clear();
    playsInPeriod_.clear();
    pointsInPeriod_.clear();
    inStep_ = true;
    size_ = 0;
    for (const PlayEvent& play : list) add(play);
}

void GameStatTally::Side::add(const PlayEvent& play) {
    ++size_;
    ++playsInPeriod_[play.period];
    pointsInPeriod_[play.period] += shotPoints(play.shotResult);
    // A play without a player credits no line.
    if (play.player.name.empty()) return;
    const auto [found, isNew] = lineOf_.try_emplace(play.player.name, lines_.size());
    if (isNew) {
        StatLine line;
        line.playerName = play.player.name;
        line.number = play.player.number;
        lines_.push_back(std::move(line));
        playsOfLine_.push_back(0);
    }
    lines_[found->second].credit(play);
    ++playsOfLine_[found->second];
}

void GameStatTally::Side::removeLast(const PlayEvent& play) {
    const auto period = playsInPeriod_.find(play.period);
    if (period == playsInPeriod_.end()) {
        inStep_ = false;
        return;
    }
    if (--period->second == 0) playsInPeriod_.erase(period);
    --size_;
    pointsInPeriod_[play.period] -= shotPoints(play.shotResult);
    if (play.player.name.empty()) return;
    const auto found = lineOf_.find(play.player.name);
    if (found == lineOf_.end()) {
        inStep_ = false;
        return;
    }
    const std::size_t line = found->second;
    lines_[line].credit(play, -1);
    if (--playsOfLine_[line] > 0) return;
    // The newest play was its player's first, so his line is the newest too.
    if (line + 1 != lines_.size()) inStep_ = false;
    lineOf_.erase(found);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
    playsOfLine_.erase(playsOfLine_.begin() + static_cast<std::ptrdiff_t>(line));
}

long long GameStatTally::Side::periods() const {
    const int highest = playsInPeriod_.empty() ? 0 : std::max(0, playsInPeriod_.rbegin()->first);
    return static_cast<long long>(highest) + 1;
}

long long GameStatTally::Side::points(int period) const {
    const auto found = pointsInPeriod_.find(period);
    return found == pointsInPeriod_.end() ? 0 : found->second;
}

void GameStatTally::recount(const Game& game) {
    sides_[0].recount(game.homeEvents());
    sides_[1].recount(game.visitorEvents());
}

void GameStatTally::follow(const Game& game, const scoring::PlaysChange& change) {
    for (const bool home : {true, false}) {
        Side& side = sides_[home ? 0 : 1];
        const std::vector<PlayEvent>& list = game.events(home);
        change.applyTo(side, game, home);
        // Plays changed beside the console's commands are counted afresh.
        if (!side.inStep() || side.size() != list.size()) side.recount(list);
    }
}

void GameStatTally::computeSide(Stat& stat, const Game& game, Stat::Side which) const {
    const Side& counted = side(which == Stat::Side::Home);
    stat.computeSide(game, which, counted.lines(), counted.periods());
}

int GameStatTally::points(bool home, int period) const { return Game::heldScore(side(home).points(period)); }

}  // namespace courtlog::stats
