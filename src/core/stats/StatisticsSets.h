#pragma once

#include <string>
#include <vector>

#include "core/stats/Stat.h"
#include "core/stats/StatLine.h"

namespace courtlog {
class Game;
}

namespace courtlog::stats {

// The sets of the statistics viewer's tabs.
enum class StatisticsTab { Team, Opponents, Combined };

// What the statistics viewer shows for one selection: the team's own
// players, its opponents' players and both together (opponents first), or,
// for all teams, the one set of every player of every team. Each set's
// lines may be reordered (sorted) by the viewer; computing again starts
// each set afresh in line order.
class StatisticsSets {
public:
    // selection holds the game files, the team name and the all-teams flag.
    explicit StatisticsSets(Stat selection);

    // Reads the selection's game files.
    void compute();
    // Reads only the game being scored (the selection's file is that game's).
    void compute(const Game& gameInProgress);

    const Stat& selection() const { return selection_; }
    // The game files the last compute() could not load.
    const std::vector<Stat::LoadProblem>& loadProblems() const { return loadProblems_; }
    bool allTeams() const { return selection_.allTeams(); }

    // The tabs in order: the team, "Opponents", "Combined"; for all teams
    // the one set.
    std::vector<StatisticsTab> tabs() const;
    // "Hawks", "Opponents", "Combined"; "All Teams" in all-teams mode.
    std::string tabCaption(StatisticsTab tab) const;

    std::vector<StatLine>& lines(StatisticsTab tab);
    const std::vector<StatLine>& lines(StatisticsTab tab) const;

    // The name a printout of the tab's set carries ("Statistics for %s"):
    // the team's name for its own and the combined set, "Opponents" for the
    // opponents, "All Teams" for all teams.
    std::string displayName(StatisticsTab tab) const;
    // The title of an HTML page of the tab's set: "Individual Stats for Hawks",
    // "... for Hawks Opponents", "... for Hawks and Opponents", "... for All
    // Teams".
    std::string htmlTitle(StatisticsTab tab) const;
    // What an export of the tab's set is about, for its file name, in UTF-8:
    // "Hawks", "Hawks opponents", "Hawks and opponents", "All Teams".
    std::string fileSubject(StatisticsTab tab) const;

private:
    void take(const Stat& team, const Stat& opponents);

    Stat selection_;
    std::vector<StatLine> team_;
    std::vector<StatLine> opponents_;
    std::vector<StatLine> combined_;
    std::vector<Stat::LoadProblem> loadProblems_;
};

}  // namespace courtlog::stats
