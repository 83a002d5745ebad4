#pragma once

#include <array>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/records/Game.h"
#include "core/scoring/ConsoleRules.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::scoring {

// Running counts of one team's play list for the console's and the team
// sheet's figures: fouls and time outs per period, and per player name the
// personal fouls, the shooting figures and the fouls' periods. The console's
// commands add and take away the plays they change, so a figure costs a
// look-up rather than a pass over every play; the counting functions of
// ConsoleRules and SheetFigures stay the reference the counts must always
// equal.
class PlayTally {
public:
    // What the sheet counts of the plays of one player name.
    struct PlayerCounts {
        int fouls = 0;  // fouls and technical fouls: the console's personal fouls
        ShootingFigures game;
        std::map<int, ShootingFigures> byPeriod;
        int sheetFouls = 0;  // fouls alone, as the sheet's boxes count them
        std::vector<int> foulPeriods;  // of the first six of them
        int playerTechnicals = 0;
        std::vector<int> technicalPeriods;  // of the first two
        int plays = 0;
    };

    // Counts list afresh.
    void recount(const std::vector<PlayEvent>& list);
    // play was appended to the list.
    void add(const PlayEvent& play);
    // play, the last of the list, was taken from it.
    void removeLast(const PlayEvent& play);

    // The same figures as personalFouls, teamFouls, doubleBonusFouls and
    // timeOutsUsed, for this team's list.
    int personalFouls(const std::string& name) const;
    int fouls(PeriodWindow window) const { return countIn(kFoul, window); }
    int timeOuts(bool shortTimeOut, PeriodWindow window) const {
        return countIn(shortTimeOut ? kShortTimeOut : kTimeOut, window);
    }
    // The counts of the plays of one name; null when it made none.
    const PlayerCounts* player(const std::string& name) const;
    // How many plays are counted.
    std::size_t size() const { return size_; }

private:
    enum Counted { kFoul, kTimeOut, kShortTimeOut, kCountedKinds };

    void change(const PlayEvent& play, int by);
    int countIn(Counted kind, PeriodWindow window) const;

    // Periods in order; a game has a handful, overtimes included.
    std::map<int, std::array<int, kCountedKinds>> byPeriod_;
    std::unordered_map<std::string, PlayerCounts> players_;
    std::size_t size_ = 0;
};

}  // namespace courtlog::scoring
