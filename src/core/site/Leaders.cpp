#include "core/site/Leaders.h"

#include <algorithm>
#include <tuple>

#include "core/site/Season.h"
#include "core/stats/Stat.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog::site {

std::string_view leaderFigureName(LeaderFigure figure) {
    switch (figure) {
    case LeaderFigure::Points: return "Points per game";
    case LeaderFigure::Rebounds: return "Rebounds per game";
    case LeaderFigure::Assists: return "Assists per game";
    case LeaderFigure::Steals: return "Steals per game";
    case LeaderFigure::Blocks: return "Blocked shots per game";
    }
    return {};
}

// The statistics viewer's columns "Pts/Game", "Rebound/Game", "Assists/Game",
// "Steals/Game" and "BlckShot/Game".
std::size_t leaderFigureColumn(LeaderFigure figure) {
    switch (figure) {
    case LeaderFigure::Points: return 5;
    case LeaderFigure::Rebounds: return 26;
    case LeaderFigure::Assists: return 19;
    case LeaderFigure::Steals: return 28;
    case LeaderFigure::Blocks: return 30;
    }
    return 5;
}

float leaderFigureValue(const StatLine& line, LeaderFigure figure) {
    switch (figure) {
    case LeaderFigure::Points: return line.ppg;
    case LeaderFigure::Rebounds: return line.rpg;
    case LeaderFigure::Assists: return line.apg;
    case LeaderFigure::Steals: return line.spg;
    case LeaderFigure::Blocks: return line.bpg;
    }
    return 0;
}

bool qualifiesToLead(const StatLine& player, long long teamGames) {
    return player.gp >= 1 && 2LL * player.gp >= teamGames;
}

std::vector<Leader> leadersOf(const Season& season, LeaderFigure figure, std::size_t count) {
    std::vector<Leader> candidates;
    for (const TeamSeason& team : season.teams()) {
        const std::vector<StatLine>& lines = team.players.lines();
        if (lines.empty()) continue;
        const long long teamGames = lines.back().gp;  // TEAM TOTALS
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            if (!qualifiesToLead(lines[i], teamGames) || leaderFigureValue(lines[i], figure) <= 0) continue;
            candidates.push_back({0, lines[i], team.page});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [figure](const Leader& a, const Leader& b) {
        const float x = leaderFigureValue(a.line, figure);
        const float y = leaderFigureValue(b.line, figure);
        if (x != y) return x > y;
        return std::tie(a.line.playerName, a.line.teamName) < std::tie(b.line.playerName, b.line.teamName);
    });
    if (candidates.size() > count) candidates.resize(count);
    // Places follow the figure as shown (one decimal): two players who read
    // alike share a place, however their exact figures differ.
    std::string above;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        std::string shown = stats::viewerCellText(candidates[i].line, leaderFigureColumn(figure), false);
        candidates[i].rank = i > 0 && shown == above ? candidates[i - 1].rank : static_cast<int>(i) + 1;
        above = std::move(shown);
    }
    return candidates;
}

}  // namespace courtlog::site
