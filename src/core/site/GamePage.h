#pragma once

#include <string>
#include <vector>

#include "core/site/SitePage.h"

namespace courtlog {
class Game;
}
namespace courtlog::output {
class BoxScore;
}

namespace courtlog::site {

// A column of the score by period: its heading and the period (0-based)
// whose points it shows.
struct PeriodColumn {
    std::string heading;
    int period = 0;
};
// "Qtr1" to "Qtr4" (or "Half1" and "Half2" for a game in halves, periods 0
// and 2), then "OT1", "OT2", ... for each overtime up to the last one with
// a play, at most kMaxOvertimeColumns of them; points of later periods
// count in the total only.
inline constexpr int kMaxOvertimeColumns = 10;
std::vector<PeriodColumn> periodColumns(const Game& game);

// Where a game's page links to: both teams' pages.
struct GamePageLinks {
    std::string homePage;
    std::string visitorPage;
};

// The page of one game: a heading with both teams and the final score, the
// score by period, the home and the visiting team's box score tables (the
// box score's figures, totals in the foot) and the game's details (date,
// time, court, attendance, officials, game file).
std::string gamePage(const SiteFrame& frame, const output::BoxScore& boxScore, const GamePageLinks& links);

}  // namespace courtlog::site
