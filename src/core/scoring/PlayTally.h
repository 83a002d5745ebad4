#pragma once

#include <array>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/records/Game.h"
#include "core/scoring/ConsoleRules.h"

namespace courtlog::scoring {

// Running counts of one team's play list for the console's figures: fouls
// and time outs per period, and fouls per player name. The console's
// commands add and take away the plays they change, so a figure costs a
// look-up rather than a pass over every play; the counting functions of
// ConsoleRules stay the reference the counts must always equal.
class PlayTally {
public:
    // Counts list afresh.
    void recount(const std::vector<PlayEvent>& list);
    void add(const PlayEvent& play);
    void remove(const PlayEvent& play);

    // The same figures as personalFouls, teamFouls, doubleBonusFouls and
    // timeOutsUsed, for this team's list.
    int personalFouls(const std::string& name) const;
    int fouls(PeriodWindow window) const { return countIn(kFoul, window); }
    int timeOuts(bool shortTimeOut, PeriodWindow window) const {
        return countIn(shortTimeOut ? kShortTimeOut : kTimeOut, window);
    }

private:
    enum Counted { kFoul, kTimeOut, kShortTimeOut, kCountedKinds };

    void change(const PlayEvent& play, int by);
    int countIn(Counted kind, PeriodWindow window) const;

    // Periods in order; a game has a handful, overtimes included.
    std::map<int, std::array<int, kCountedKinds>> byPeriod_;
    std::unordered_map<std::string, int> personalFouls_;
};

}  // namespace courtlog::scoring
