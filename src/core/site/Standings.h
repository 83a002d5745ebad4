#pragma once

#include <string>
#include <vector>

namespace courtlog::site {

class Season;

// One team's line of the standings.
struct Standing {
    std::string team;  // record text
    std::string page;
    int wins = 0;
    int losses = 0;
    long long pointsFor = 0;
    long long pointsAgainst = 0;

    // GP: only decided games count, so GP = W + L.
    int played() const { return wins + losses; }
};

// One line per team of the season, best first: by winning percentage
// (compared exactly, not as printed), ties broken by more wins, then by
// name (letters without regard to case first, so "bears" stands before
// "Comets"). W, L, PF and PA count only the decided games (GameResult::
// decided): a tie counts in no column.
std::vector<Standing> standingsOf(const Season& season);

// The winning percentage as standings print it: three decimals, without
// the leading zero below one: ".750", "1.000"; ".000" before any game.
std::string percentageText(int wins, int played);

}  // namespace courtlog::site
