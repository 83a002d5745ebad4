#include "core/stats/GameSelection.h"

#include <algorithm>
#include <cctype>

namespace courtlog::stats {

GameSelection::GameSelection(TeamsOfGame teamsOf)
    : teamsOf_(teamsOf ? std::move(teamsOf) : TeamsOfGame(gameFileTeamsOrBlank)), teamList_{std::string(kAllTeams)} {}

bool GameSelection::listsTeam(const std::string& name) const {
    // The leading "All Teams" entry is no team name: a team really called
    // "All Teams" is listed (and removed) as a team of its own.
    return std::find(teamList_.begin() + 1, teamList_.end(), name) != teamList_.end();
}

void GameSelection::addTeam(const std::string& name) {
    // A file that cannot be read names no team; a blank entry would analyse
    // nothing.
    if (!name.empty() && !listsTeam(name)) teamList_.push_back(name);
}

bool GameSelection::addGame(const std::string& path) {
    if (std::find(games_.begin(), games_.end(), path) != games_.end()) return false;
    games_.push_back(path);
    const GameFileTeams teams = teamsOf_(path);
    addTeam(teams.homeName);
    addTeam(teams.visitorName);
    return true;
}

void GameSelection::dropTeamUnlessPlaying(const std::string& name) {
    if (name.empty()) return;
    for (const std::string& game : games_) {
        const GameFileTeams teams = teamsOf_(game);
        if (teams.homeName == name || teams.visitorName == name) return;
    }
    const auto found = std::find(teamList_.begin() + 1, teamList_.end(), name);
    if (found != teamList_.end()) teamList_.erase(found);
}

bool GameSelection::removeGame(std::size_t index) {
    if (index >= games_.size()) return false;
    const GameFileTeams removed = teamsOf_(games_[index]);
    games_.erase(games_.begin() + static_cast<std::ptrdiff_t>(index));
    dropTeamUnlessPlaying(removed.homeName);
    dropTeamUnlessPlaying(removed.visitorName);
    return true;
}

SelectionProblem GameSelection::check(int chosenTeam) const {
    if (games_.empty()) return SelectionProblem::NoGame;
    if (chosenTeam < 0 || static_cast<std::size_t>(chosenTeam) >= teamList_.size()) return SelectionProblem::NoTeam;
    return SelectionProblem::None;
}

AnalysisChoice GameSelection::choice(int chosenTeam) const {
    AnalysisChoice result;
    result.files = games_;
    if (chosenTeam >= 0 && static_cast<std::size_t>(chosenTeam) < teamList_.size()) {
        result.teamName = teamList_[static_cast<std::size_t>(chosenTeam)];
        result.allTeams = chosenTeam == 0 && equalIgnoringCase(result.teamName, kAllTeams);
    }
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace courtlog::stats
