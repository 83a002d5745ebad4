#include "core/scoring/ConsoleFigures.h"

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

std::vector<BenchEntry> benchEntries(const Game& game, bool home, const LeagueOptions& league) {
    std::vector<BenchEntry> entries;
    const Team& side = team(game, home);
    for (int i = 0; i < side.playerCount(); ++i) {
        const Player& player = side.players[static_cast<std::size_t>(i)];
        if (player.courtSlot != 0) continue;
        BenchEntry entry;
        entry.rosterIndex = i;
        entry.text = playerEntryText(player);
        entry.fouledOut = reaches(personalFouls(game, home, player.name), league.foulOutAfter);
        if (entry.fouledOut) entry.text += ", OUT!";
        entries.push_back(std::move(entry));
    }
    return entries;
}

TeamConsoleFigures teamConsoleFigures(const Game& game, bool home, const LeagueOptions& league) {
    TeamConsoleFigures figures;
    const Team& side = team(game, home);
    figures.name = side.name;
    figures.score = home ? game.homeScore : game.visitorScore;
    figures.teamFouls = teamFouls(game, home, league);
    figures.doubleBonusFouls = doubleBonusFouls(game, home, league);
    figures.bonus = bonusText(game, home, league);
    figures.fullTimeOutsLeft = timeOutsLeft(game, home, false, league);
    figures.shortTimeOutsLeft = timeOutsLeft(game, home, true, league);
    for (int slot = 1; slot <= 5; ++slot) {
        const int index = rosterIndexInSlot(side, slot);
        if (index < 0) continue;
        const Player& player = side.players[static_cast<std::size_t>(index)];
        const int fouls = personalFouls(game, home, player.name);
        CourtLabel label;
        label.slot = slot;
        label.rosterIndex = index;
        label.fouledOut = reaches(fouls, league.foulOutAfter);
        label.red = reaches(fouls, league.foulTroubleAfter);
        label.text = label.fouledOut ? fouledOutText(player) : playerEntryText(player);
        figures.onCourt.push_back(std::move(label));
    }
    figures.bench = benchEntries(game, home, league);
    return figures;
}

}  // namespace courtlog::scoring
