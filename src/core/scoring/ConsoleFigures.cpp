#include "core/scoring/ConsoleFigures.h"

#include <algorithm>

#include "core/scoring/ConsoleRules.h"

namespace courtlog::scoring {

PeriodGroup periodGroup(int c, bool halves) {
    PeriodGroup group;
    if (c <= 3) {
        group.caption = halves ? "Half" : "Quarter";
        group.labels = halves ? std::array<std::string, 4>{"1", " ", "2", " "}
                              : std::array<std::string, 4>{"1", "2", "3", "4"};
        group.checked = c >= 0 ? c + 1 : 0;
    } else {
        group.labels = {"1", "2", "3", "4"};
        if (c <= 7) {
            group.caption = "Overtime";
            group.checked = c - 3;
        } else {
            group.caption = "Overtime " + std::to_string(c - 3);
            group.checked = 0;
        }
    }
    return group;
}

namespace {

// The counts the figures need, taken over every play.
struct RecountedPlays {
    const Game& game;
    const LeagueOptions& league;

    int personalFouls(bool home, const std::string& name) const { return scoring::personalFouls(game, home, name); }
    int teamFouls(bool home) const { return scoring::teamFouls(game, home, league); }
    int doubleBonusFouls(bool home) const { return scoring::doubleBonusFouls(game, home, league); }
    int timeOutsUsed(bool home, bool shortTimeOut) const {
        return scoring::timeOutsUsed(game, home, shortTimeOut, league);
    }
};

// The same counts from the running tallies of both teams.
struct TalliedPlays {
    const Game& game;
    const LeagueOptions& league;
    const PlayTally& home;
    const PlayTally& visitor;

    const PlayTally& of(bool isHome) const { return isHome ? home : visitor; }
    int personalFouls(bool isHome, const std::string& name) const { return of(isHome).personalFouls(name); }
    int teamFouls(bool isHome) const {
        return of(isHome).fouls(foulWindow(game.currentPeriod, game.halves != 0, league.bonusPerQuarter));
    }
    int doubleBonusFouls(bool isHome) const {
        return of(isHome).fouls(foulWindow(game.currentPeriod, game.halves != 0, league.doubleBonusPerQuarter));
    }
    int timeOutsUsed(bool isHome, bool shortTimeOut) const {
        const bool perHalf = shortTimeOut ? league.shortTimeOutsPerHalf : league.fullTimeOutsPerHalf;
        return of(isHome).timeOuts(shortTimeOut, timeOutWindow(game.currentPeriod, perHalf));
    }
};

template <class Counts>
std::vector<BenchEntry> benchFrom(const Game& game, bool home, const LeagueOptions& league, const Counts& counts) {
    std::vector<BenchEntry> entries;
    const Team& side = team(game, home);
    for (int i = 0; i < side.playerCount(); ++i) {
        const Player& player = side.players[static_cast<std::size_t>(i)];
        if (player.courtSlot != 0) continue;
        BenchEntry entry;
        entry.rosterIndex = i;
        entry.text = playerEntryText(player);
        entry.fouledOut = reaches(counts.personalFouls(home, player.name), league.foulOutAfter);
        if (entry.fouledOut) entry.text += ", OUT!";
        entries.push_back(std::move(entry));
    }
    return entries;
}

template <class Counts>
TeamConsoleFigures figuresFrom(const Game& game, bool home, const LeagueOptions& league, const Counts& counts) {
    TeamConsoleFigures figures;
    const Team& side = team(game, home);
    figures.name = side.name;
    figures.score = home ? game.homeScore() : game.visitorScore();
    figures.teamFouls = counts.teamFouls(home);
    figures.doubleBonusFouls = counts.doubleBonusFouls(home);
    // The bonus of this half comes from the fouls of the other team.
    if (reaches(counts.doubleBonusFouls(!home), league.doubleBonusAfter))
        figures.bonus = "DOUBLE BONUS";
    else if (reaches(counts.teamFouls(!home), league.bonusAfter))
        figures.bonus = "BONUS";
    figures.fullTimeOutsLeft = std::max(0, league.fullTimeOuts - counts.timeOutsUsed(home, false));
    figures.shortTimeOutsLeft = std::max(0, league.shortTimeOuts - counts.timeOutsUsed(home, true));
    for (int slot = 1; slot <= 5; ++slot) {
        const int index = rosterIndexInSlot(side, slot);
        if (index < 0) continue;
        const Player& player = side.players[static_cast<std::size_t>(index)];
        const int fouls = counts.personalFouls(home, player.name);
        CourtLabel label;
        label.slot = slot;
        label.rosterIndex = index;
        label.fouledOut = reaches(fouls, league.foulOutAfter);
        label.red = reaches(fouls, league.foulTroubleAfter);
        label.text = label.fouledOut ? fouledOutText(player) : playerEntryText(player);
        figures.onCourt.push_back(std::move(label));
    }
    figures.bench = benchFrom(game, home, league, counts);
    return figures;
}

}  // namespace

std::vector<BenchEntry> benchEntries(const Game& game, bool home, const LeagueOptions& league) {
    return benchFrom(game, home, league, RecountedPlays{game, league});
}

std::vector<BenchEntry> benchEntries(const Game& game, bool home, const LeagueOptions& league, const PlayTally& own) {
    // The bench counts the team's own fouls alone.
    return benchFrom(game, home, league, TalliedPlays{game, league, own, own});
}

TeamConsoleFigures teamConsoleFigures(const Game& game, bool home, const LeagueOptions& league) {
    return figuresFrom(game, home, league, RecountedPlays{game, league});
}

TeamConsoleFigures teamConsoleFigures(const Game& game, bool home, const LeagueOptions& league,
                                      const PlayTally& own, const PlayTally& opponent) {
    return figuresFrom(game, home, league,
                       TalliedPlays{game, league, home ? own : opponent, home ? opponent : own});
}

}  // namespace courtlog::scoring
