#pragma once

#include <string>
#include <vector>

#include "core/site/SitePage.h"
#include "core/stats/StatLine.h"

namespace courtlog::site {

class Season;
struct Standing;
struct TeamSeason;

// The players' lines of a team's season table, best scorers first (by
// total points, then name); the totals line is not among them.
std::vector<StatLine> seasonTableOrder(const TeamSeason& team);

// The page of one team: its record (W-L, percentage, points for and
// against, ties), its game log (each game with date, opponent, home or
// away, the score with its own points first, W, L or T, linking to the
// game's page and the opponent's), and its players' season table (Player,
// GP, PTS, PPG, rebounds, assists, steals, blocked shots and the shooting
// percentages as the statistics viewer shows them, TEAM TOTALS in the
// foot).
std::string teamPage(const SiteFrame& frame, const Season& season, const TeamSeason& team,
                     const Standing& standing);

}  // namespace courtlog::site
