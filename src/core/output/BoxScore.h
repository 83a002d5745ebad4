#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/stats/Stat.h"

namespace courtlog {
class Game;
}

namespace courtlog::stats {
class GameStatTally;
}

namespace courtlog::output {

// The box score of one game: both teams' statistics over that game alone and
// the fixed-width text the dialog lists, the printout prints and the command
// line writes. The game is not owned; it must outlive the box score, and
// recompute() is called after every change of it.
class BoxScore {
public:
    // Centred heading lines are centred in this many characters.
    static constexpr std::size_t kCentreWidth = 105;
    // The rule line is this many hyphens.
    static constexpr std::size_t kRuleWidth = 114;
    // The column heading of both teams' tables.
    static constexpr const char* kColumnHeading =
        "PLAYER                        PP TP 2M 2A  2% 3M 3A  3% FGM FGA FG% FTM FTA FT% AS OF DF TotF OR DR "
        "TotR ST BS TO";

    explicit BoxScore(const Game& game);

    // Both statistics again from the game as it is now.
    void recompute();
    // From now on recompute() takes both statistics and the points of each
    // period from kept, running counts of the game's plays that its owner
    // keeps in step with the game, instead of reading every play again;
    // null reads the plays.
    void countFrom(const stats::GameStatTally* kept);

    const Game& game() const { return *game_; }
    // Each reads its own side of the game, so two teams of one name each
    // show their own plays.
    const Stat& homeStats() const { return home_; }
    const Stat& visitorStats() const { return visitor_; }

    // The text, one entry per line, UTF-8.
    std::vector<std::string> textLines() const;

    // The game file's name without its folder: the text after the last '/'
    // or '\'.
    std::string fileBaseName() const;
    // Full English weekday and month names of the game date; empty for a
    // date that is no date.
    std::string weekdayName() const;
    std::string monthName() const;
    // The name a table row shows, in record text (single-byte, as the game
    // file holds names): "TEAM TOTALS" for the totals line, else the
    // player's name and "#" with his number ("#00" for -1).
    static std::string rowName(const StatLine& line, bool totals);
    // Points of one side in one period (0-based), from the plays.
    int homePoints(int period) const;
    int visitorPoints(int period) const;

    // The line a printout ends with: "%s VS %s played on %d/%d/%d at %s"
    // (visiting team, home team, month, day, year, court).
    std::string playedOnLine() const;

private:
    void appendTeamTable(std::vector<std::string>& lines, bool home) const;
    void appendPeriodTable(std::vector<std::string>& lines) const;

    const Game* game_;
    const stats::GameStatTally* kept_ = nullptr;
    Stat home_;
    Stat visitor_;
};

}  // namespace courtlog::output
