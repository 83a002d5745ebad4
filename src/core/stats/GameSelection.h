#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/GameFileHeader.h"

namespace courtlog::stats {

// What a game selection hands an analysis (the statistics or the shot
// analysis): the game files in the order they were chosen, the team to
// analyse and whether every team is.
struct AnalysisChoice {
    std::vector<std::string> files;
    std::string teamName;
    bool allTeams = false;
};

// Why OK cannot close the selection yet.
enum class SelectionProblem { None, NoGame, NoTeam };

// The two lists of "Select Applicable Games To Analyze": the games to
// analyse (full paths, in the order added, each once) and the teams that play
// in them ("All Teams" first, then each name once, in the order first met).
// A game's teams are read from its file's information block whenever they
// are needed, so a file that changed or went away since it was added counts
// with its present names (blank names when it can no longer be read).
class GameSelection {
public:
    static constexpr std::string_view kAllTeams = "All Teams";

    // How the teams of a game file are learnt; tests pass a table.
    using TeamsOfGame = std::function<GameFileTeams(const std::string& path)>;

    explicit GameSelection(TeamsOfGame teamsOf = gameFileTeamsOrBlank);

    // Adds a game and the teams it brings: its home team unless listed, then
    // its visiting team unless listed (or the same name). False, and nothing
    // changes, when exactly this path is already listed.
    bool addGame(const std::string& path);

    // Removes the game at index. Each of its two team names leaves the team
    // list unless a remaining game has that team at home or visiting. False
    // when there is no game at index.
    bool removeGame(std::size_t index);

    const std::vector<std::string>& games() const { return games_; }
    // "All Teams", then the team names.
    const std::vector<std::string>& teamList() const { return teamList_; }

    // Whether OK can close the selection with the team-list entry at
    // chosenTeam (-1: none chosen).
    SelectionProblem check(int chosenTeam) const;

    // The analysis the selection stands for, once check() says None. The
    // first entry of the team list chooses all teams; a team that itself
    // is called "all teams" in other letters is analysed as a team.
    AnalysisChoice choice(int chosenTeam) const;

private:
    bool listsTeam(const std::string& name) const;
    void addTeam(const std::string& name);
    void dropTeamUnlessPlaying(const std::string& name);

    TeamsOfGame teamsOf_;
    std::vector<std::string> games_;
    std::vector<std::string> teamList_;
};

// Equal texts when ASCII letters are compared without regard to case.
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace courtlog::stats
