#include "core/site/Season.h"

#include <tuple>

#include "core/output/BoxScore.h"
#include "core/records/Game.h"

namespace courtlog::site {

bool playedBefore(const GameResult& a, const GameResult& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) < std::tie(b.year, b.month, b.day, b.hour, b.minute);
}

TeamSeason& Season::teamNamed(const std::string& name) {
    const auto [found, added] = teamIndex_.try_emplace(name, teams_.size());
    if (added) {
        TeamSeason team;
        team.name = name;
        team.page = teamPages_.nameFor(name);
        team.players.setTeamName(name);
        teams_.push_back(std::move(team));
    }
    return teams_[found->second];
}

void Season::addGame(const output::BoxScore& boxScore, std::string page) {
    const Game& game = boxScore.game();
    GameResult result;
    result.page = std::move(page);
    result.homeName = game.homeName;
    result.visitorName = game.visitorName;
    result.homeScore = game.homeScore();
    result.visitorScore = game.visitorScore();
    result.year = game.year;
    result.month = game.month;
    result.day = game.day;
    result.hour = game.hour;
    result.minute = game.minute;
    const std::size_t index = games_.size();
    games_.push_back(std::move(result));

    const auto addSide = [&](const std::string& name, const Stat& side) {
        TeamSeason& team = teamNamed(name);
        team.players.mergeLines(side);
        // A team met on both sides of one game plays it once.
        if (!team.games.empty() && team.games.back() == index) return;
        team.games.push_back(index);
        if (const StatLine* totals = side.findLine(Stat::kTotalsName, "")) team.periods += totals->pp;
    };
    addSide(game.homeName, boxScore.homeStats());
    addSide(game.visitorName, boxScore.visitorStats());
}

void Season::finish() {
    for (TeamSeason& team : teams_)
        team.players.finish(static_cast<long long>(team.games.size()), team.periods);
}

const TeamSeason* Season::team(std::string_view name) const {
    const auto found = teamIndex_.find(std::string(name));
    return found == teamIndex_.end() ? nullptr : &teams_[found->second];
}

}  // namespace courtlog::site
