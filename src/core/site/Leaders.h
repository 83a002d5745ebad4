#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/StatLine.h"

namespace courtlog::site {

class Season;

// The figures the leaders are ranked by: a statistics line's averages.
enum class LeaderFigure { Points, Rebounds, Assists, Steals, Blocks };
inline constexpr std::array<LeaderFigure, 5> kLeaderFigures{LeaderFigure::Points, LeaderFigure::Rebounds,
                                                            LeaderFigure::Assists, LeaderFigure::Steals,
                                                            LeaderFigure::Blocks};

// "Points per game", ...; and the statistics viewer's column of the figure.
std::string_view leaderFigureName(LeaderFigure figure);
std::size_t leaderFigureColumn(LeaderFigure figure);
float leaderFigureValue(const StatLine& line, LeaderFigure figure);

// One place of a leaders table.
struct Leader {
    int rank = 0;  // figures that read alike share a rank: 1, 2, 2, 4
    StatLine line;
    std::string teamPage;
};

// Whether a player has played enough to lead: at least half his team's
// games (the games the team's statistics count, ties included), and at
// least one.
bool qualifiesToLead(const StatLine& player, long long teamGames);

// The best players by the figure among those who qualify, at most count of
// them: highest first (by the exact figure), then by player name and team
// name. A player whose figure is zero leads nothing.
std::vector<Leader> leadersOf(const Season& season, LeaderFigure figure, std::size_t count = 10);

}  // namespace courtlog::site
