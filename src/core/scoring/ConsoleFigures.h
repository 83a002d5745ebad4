#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/records/Game.h"
#include "core/records/Settings.h"
#include "core/scoring/PlayTally.h"

namespace courtlog::scoring {

// A line of a bench list and the roster entry behind it.
struct BenchEntry {
    int rosterIndex = -1;
    std::string text;  // " 4-Alpha", "00-Bravo", "12-Charlie, OUT!"
    bool fouledOut = false;
    bool operator==(const BenchEntry&) const = default;
};

// The label under a court button.
struct CourtLabel {
    int slot = 0;  // 1..5
    int rosterIndex = -1;
    std::string text;  // " 4-Alpha" or "# 4 Fouled Out!"
    bool red = false;  // in foul trouble (or out)
    bool fouledOut = false;
    bool operator==(const CourtLabel&) const = default;
};

// What the console shows of one team.
struct TeamConsoleFigures {
    std::string name;
    int score = 0;
    int teamFouls = 0;
    int doubleBonusFouls = 0;
    std::string bonus;  // this team's half: "", "BONUS", "DOUBLE BONUS"
    int fullTimeOutsLeft = 0;
    int shortTimeOutsLeft = 0;
    std::vector<CourtLabel> onCourt;  // slots with a player, in slot order
    std::vector<BenchEntry> bench;    // roster order
    bool operator==(const TeamConsoleFigures&) const = default;
};

// The period box: caption, the labels under the four display-only radio
// buttons and the one checked (1..4, 0 for none).
struct PeriodGroup {
    std::string caption;
    std::array<std::string, 4> labels;
    int checked = 0;
    bool operator==(const PeriodGroup&) const = default;
};

PeriodGroup periodGroup(int currentPeriod, bool halves);

// The bench list of a team: every player not on court, in roster order.
std::vector<BenchEntry> benchEntries(const Game& game, bool home, const LeagueOptions& league);
// The same from the running counts of the team's plays.
std::vector<BenchEntry> benchEntries(const Game& game, bool home, const LeagueOptions& league, const PlayTally& own);

// Everything of one team the console draws, with the game's own score.
// Counted over every play of the game.
TeamConsoleFigures teamConsoleFigures(const Game& game, bool home, const LeagueOptions& league);
// The same from the running counts of the team's plays (own) and of the
// team it plays against (opponent), kept in step with the game's lists.
TeamConsoleFigures teamConsoleFigures(const Game& game, bool home, const LeagueOptions& league,
                                      const PlayTally& own, const PlayTally& opponent);

}  // namespace courtlog::scoring
