#include "core/scoring/ConsoleRules.h"

#include <algorithm>

#include "core/records/Codes.h"

namespace courtlog::scoring {

PeriodWindow halfWindow(int currentPeriod) {
    if (currentPeriod < 2) return {0, 1};
    return {2, currentPeriod};
}

PeriodWindow foulWindow(int currentPeriod, bool gameInHalves, bool perQuarter) {
    if (gameInHalves || !perQuarter) return halfWindow(currentPeriod);
    return {currentPeriod, currentPeriod};
}

PeriodWindow timeOutWindow(int currentPeriod, bool perHalf) {
    if (perHalf) return halfWindow(currentPeriod);
    return {0, currentPeriod};
}

const std::vector<PlayEvent>& plays(const Game& game, bool home) {
    return game.events(home);
}

const Team& team(const Game& game, bool home) { return home ? game.home : game.visitor; }
Team& team(Game& game, bool home) { return home ? game.home : game.visitor; }

int personalFouls(const Game& game, bool home, const std::string& name) {
    return static_cast<int>(std::count_if(plays(game, home).begin(), plays(game, home).end(),
                                          [&name](const PlayEvent& play) {
                                              return (play.kind == Foul || play.kind == TechnicalFoul) &&
                                                     play.player.name == name;
                                          }));
}

namespace {

int countIn(const std::vector<PlayEvent>& list, int kind, PeriodWindow window) {
    return static_cast<int>(std::count_if(list.begin(), list.end(), [kind, window](const PlayEvent& play) {
        return play.kind == kind && window.contains(play.period);
    }));
}

}  // namespace

int teamFouls(const Game& game, bool home, const LeagueOptions& league) {
    return countIn(plays(game, home), Foul, foulWindow(game.currentPeriod, game.halves != 0, league.bonusPerQuarter));
}

int doubleBonusFouls(const Game& game, bool home, const LeagueOptions& league) {
    return countIn(plays(game, home), Foul,
                   foulWindow(game.currentPeriod, game.halves != 0, league.doubleBonusPerQuarter));
}

int timeOutsUsed(const Game& game, bool home, bool shortTimeOut, const LeagueOptions& league) {
    const bool perHalf = shortTimeOut ? league.shortTimeOutsPerHalf : league.fullTimeOutsPerHalf;
    return countIn(plays(game, home), shortTimeOut ? ShortTimeOut : TimeOut,
                   timeOutWindow(game.currentPeriod, perHalf));
}

int timeOutsLeft(const Game& game, bool home, bool shortTimeOut, const LeagueOptions& league) {
    const int allowed = shortTimeOut ? league.shortTimeOuts : league.fullTimeOuts;
    return std::max(0, allowed - timeOutsUsed(game, home, shortTimeOut, league));
}

bool reaches(int count, int limit) { return limit > 0 && count >= limit; }

std::string bonusText(const Game& game, bool home, const LeagueOptions& league) {
    const bool opponent = !home;
    if (reaches(doubleBonusFouls(game, opponent, league), league.doubleBonusAfter)) return "DOUBLE BONUS";
    if (reaches(teamFouls(game, opponent, league), league.bonusAfter)) return "BONUS";
    return "";
}

std::string playerEntryText(const Player& player) {
    return uniformText(player.number, UniformPadding::Blank) + "-" + player.name;
}

std::string fouledOutText(const Player& player) {
    return "#" + uniformText(player.number, UniformPadding::Blank) + " Fouled Out!";
}

int nextPeriod(int currentPeriod, bool halves) {
    int c = currentPeriod + 1;
    if (c < 4 && halves) ++c;
    return c;
}

int previousPeriod(int currentPeriod, bool halves) {
    if (currentPeriod <= 0) return currentPeriod;
    int c = currentPeriod - 1;
    if (c < 4 && halves) --c;
    return std::max(c, 0);
}

int rosterIndexInSlot(const Team& team, int slot) {
    for (int i = 0; i < team.playerCount(); ++i)
        if (team.players[static_cast<std::size_t>(i)].courtSlot == slot) return i;
    return -1;
}

}  // namespace courtlog::scoring
