#include "core/stats/ShotAnalysis.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "core/records/Game.h"

namespace courtlog::stats {

namespace {

void countOne(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// Roster names in order, each once.
class NameList {
public:
    void addRoster(const Team& roster) {
        for (const Player& player : roster.players)
            if (!player.name.empty() && seen_.insert(player.name).second) names_.push_back(player.name);
    }
    std::vector<std::string> take() { return std::move(names_); }

private:
    std::vector<std::string> names_;
    std::unordered_set<std::string> seen_;
};

}  // namespace

void ShotAnalysis::forEachSide(bool opposing, const SideVisitor& visit, std::vector<LoadProblem>* problems) const {
    auto readGame = [&](const Game& game) {
        struct Side {
            const std::vector<PlayEvent>& plays;
            const Team& roster;
        };
        const Side visitors{game.visitorEvents(), game.visitor};
        const Side home{game.homeEvents(), game.home};
        auto read = [&](bool visiting) {
            const Side& side = visiting != opposing ? visitors : home;
            visit(side.plays, side.roster);
        };
        if (allTeams_) {
            // Both sides by position, so two teams of one name each count
            // their own shots once.
            read(true);
            read(false);
        } else if (game.visitorName == teamName_) {
            read(true);
        } else if (game.homeName == teamName_) {
            read(false);
        }
    };
    if (gameInProgress_) {
        readGame(*gameInProgress_);
        return;
    }
    for (const std::string& path : files_) {
        // One game in memory at a time.
        Game game;
        std::string reason;
        if (!game.load(path, &reason)) {
            // What a damaged file held before the fault is not trusted.
            if (problems) problems->push_back({path, reason});
            continue;
        }
        readGame(game);
    }
}

std::vector<std::string> ShotAnalysis::rosterNames(bool opposing) const {
    NameList names;
    forEachSide(opposing, [&](const std::vector<PlayEvent>&, const Team& roster) { names.addRoster(roster); },
                nullptr);
    return names.take();
}

std::vector<PlayerListEntry> ShotAnalysis::playerList() const {
    std::vector<PlayerListEntry> list;
    for (std::string& name : rosterNames(false)) {
        ShotSelection selection = ShotSelection::player(name);
        list.push_back({std::move(name), std::move(selection)});
    }
    list.push_back({std::string(ShotSelection::kWholeTeamText), ShotSelection::wholeTeam()});
    if (!allTeams_) list.push_back({std::string(ShotSelection::kOpposingTeamsText), ShotSelection::opposingTeams()});
    return list;
}

void ShotAnalysis::addMark(const PlayEvent& play) {
    if (play.kind != Shot) return;
    const ShotMark mark{play.shotX, play.shotY, play.period, play.shotResult};
    switch (play.shotResult) {
    case TwoPointMade:
        countOne(counts_.madeTwos);
        break;
    case ThreePointMade:
        countOne(counts_.madeThrees);
        break;
    case TwoPointMissed:
        countOne(counts_.missedTwos);
        break;
    case ThreePointMissed:
        countOne(counts_.missedThrees);
        break;
    default:
        return;  // free throws and unknown results carry no spot
    }
    (mark.isMade() ? made_ : missed_).push_back(mark);
}

void ShotAnalysis::collect(const ShotSelection& selection) {
    selection_ = selection;
    made_.clear();
    missed_.clear();
    counts_ = {};
    loadProblems_.clear();
    forEachSide(
        selection.opposing(),
        [&](const std::vector<PlayEvent>& plays, const Team&) {
            for (const PlayEvent& play : plays)
                if (selection.everyShooter() || play.player.name == selection.playerName) addMark(play);
        },
        &loadProblems_);
}

}  // namespace courtlog::stats
