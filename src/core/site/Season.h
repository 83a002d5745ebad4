#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/site/PageNames.h"
#include "core/stats/Stat.h"

namespace courtlog::output {
class BoxScore;
}

namespace courtlog::site {

// One game of the season as the results and the game logs list it. Team
// names are record text, as the game's information block holds them; they
// name the team exactly (letter case included), as the statistics do.
struct GameResult {
    std::string page;  // the game's page in the site
    std::string homeName;
    std::string visitorName;
    int homeScore = 0;
    int visitorScore = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    bool tied() const { return homeScore == visitorScore; }
    // Whether the game counts in the standings: it has a winner, and its
    // two teams are two (a team's name against itself would win and lose
    // the same game). Every game is listed in the results all the same.
    bool decided() const { return !tied() && homeName != visitorName; }
};

// Earlier by date, then by time of day.
bool playedBefore(const GameResult& a, const GameResult& b);

// What the season holds for one team: its games in the order read and its
// players' statistics over them.
struct TeamSeason {
    std::string name;  // record text
    std::string page;
    std::vector<std::size_t> games;  // into Season::games()
    // After Season::finish: one line per player of the team, in the order
    // first met, then TEAM TOTALS, whose GP counts the team's games.
    Stat players;
    long long periods = 0;
};

// A season built from its games, each read once: the game's box score
// gives both its result and its two sides' statistics, which add up to the
// teams' season lines.
class Season {
public:
    // Adds a game through its box score; page is the game's page name.
    void addGame(const output::BoxScore& boxScore, std::string page);
    // Finishes every team's lines. Call once, after the last game.
    void finish();

    const std::vector<GameResult>& games() const { return games_; }
    // In the order first met.
    const std::vector<TeamSeason>& teams() const { return teams_; }
    // The team of exactly this name, or null.
    const TeamSeason* team(std::string_view name) const;

private:
    TeamSeason& teamNamed(const std::string& name);

    std::vector<GameResult> games_;
    std::vector<TeamSeason> teams_;
    std::unordered_map<std::string, std::size_t> teamIndex_;
    PageNames teamPages_{"team-"};
};

}  // namespace courtlog::site
