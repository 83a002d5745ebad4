#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/ShotMark.h"
#include "core/stats/ShotSelection.h"

namespace courtlog {
class Game;
class Team;
struct PlayEvent;
}  // namespace courtlog

namespace courtlog::stats {

// One entry of the chart's player list and whose shots it stands for.
struct PlayerListEntry {
    std::string text;
    ShotSelection selection;
};

// The field-goal attempts of the chosen games for a team: made and missed
// marks in the order they were recorded, game by game, with counts per
// kind. The games are saved files, read one at a time and never written,
// or the game being scored. Any number of files may be added.
class ShotAnalysis {
public:
    static constexpr std::string_view kAllTeamsName = "All Teams";

    // Attempts collected, per kind; held at the largest value rather than
    // wrapping. Free throws carry no spot and are not collected.
    struct KindCounts {
        std::int32_t madeTwos = 0;
        std::int32_t missedTwos = 0;
        std::int32_t madeThrees = 0;
        std::int32_t missedThrees = 0;
        bool operator==(const KindCounts&) const = default;
    };

    // A game file that did not load, and why.
    struct LoadProblem {
        std::string path;
        std::string reason;
    };

    void addFile(const std::string& path) { files_.push_back(path); }
    const std::vector<std::string>& files() const { return files_; }
    void setTeamName(std::string name) { teamName_ = std::move(name); }
    const std::string& teamName() const { return teamName_; }
    // Every team of every game (no opposing teams then).
    void setAllTeams(bool allTeams) { allTeams_ = allTeams; }
    bool allTeams() const { return allTeams_; }
    // Reads game instead of the files: the game being scored, as it stands
    // at each collect. Null goes back to the files.
    void readGameInProgress(const Game* game) { gameInProgress_ = game; }

    // The player list: the roster names of the team's side of each game
    // (both sides, visitors first, for all teams), each name once in the
    // order first met, then "Whole Team" and, unless for all teams,
    // "Opposing Team(s)".
    std::vector<PlayerListEntry> playerList() const;
    // The roster names of the sides selection reads (the opposing sides for
    // opposing teams), each once.
    std::vector<std::string> rosterNames(bool opposing) const;

    // Empties the marks and counts and collects the shots of selection anew.
    void collect(const ShotSelection& selection);

    const ShotSelection& selection() const { return selection_; }
    const std::vector<ShotMark>& madeShots() const { return made_; }
    const std::vector<ShotMark>& missedShots() const { return missed_; }
    const KindCounts& kindCounts() const { return counts_; }
    // The files the last collect could not load, in reading order; each
    // contributes no shots.
    const std::vector<LoadProblem>& loadProblems() const { return loadProblems_; }

private:
    using SideVisitor = std::function<void(const std::vector<PlayEvent>& plays, const Team& roster)>;
    // Visits the sides read in each game: the visiting side when it carries
    // the team's name, else the home side when that does (both, visitors
    // first, for all teams); with opposing set, the other side of each.
    void forEachSide(bool opposing, const SideVisitor& visit, std::vector<LoadProblem>* problems) const;
    void addMark(const PlayEvent& play);

    std::vector<std::string> files_;
    std::string teamName_;
    bool allTeams_ = false;
    const Game* gameInProgress_ = nullptr;
    ShotSelection selection_;
    std::vector<ShotMark> made_;
    std::vector<ShotMark> missed_;
    KindCounts counts_;
    std::vector<LoadProblem> loadProblems_;
};

}  // namespace courtlog::stats
