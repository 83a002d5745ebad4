#include "core/stats/StatisticsSets.h"

#include "core/records/Cp1252.h"
#include "core/records/Game.h"

namespace courtlog::stats {

StatisticsSets::StatisticsSets(Stat selection) : selection_(std::move(selection)) {}

void StatisticsSets::take(const Stat& team, const Stat& opponents) {
    team_ = team.lines();
    opponents_ = opponents.lines();
    combined_ = Stat::combined(team, opponents).lines();
}

void StatisticsSets::compute() {
    Stat team = selection_;
    team.compute(false);
    loadProblems_ = team.loadProblems();
    if (selection_.allTeams()) {
        // All teams show one set; the other two would read every file again
        // for nothing (no game has a team called "All Teams" to face).
        team_ = team.lines();
        opponents_.clear();
        combined_.clear();
        return;
    }
    Stat opponents = selection_;
    opponents.compute(true);
    take(team, opponents);
}

void StatisticsSets::compute(const Game& gameInProgress) {
    Stat team = selection_;
    team.compute(gameInProgress, false);
    loadProblems_.clear();
    Stat opponents = selection_;
    opponents.compute(gameInProgress, true);
    take(team, opponents);
}

std::vector<StatisticsTab> StatisticsSets::tabs() const {
    if (allTeams()) return {StatisticsTab::Team};
    return {StatisticsTab::Team, StatisticsTab::Opponents, StatisticsTab::Combined};
}

std::string StatisticsSets::tabCaption(StatisticsTab tab) const {
    switch (tab) {
    case StatisticsTab::Team: return allTeams() ? std::string(Stat::kAllTeamsName) : selection_.teamName();
    case StatisticsTab::Opponents: return "Opponents";
    case StatisticsTab::Combined: return "Combined";
    }
    return {};
}

std::vector<StatLine>& StatisticsSets::lines(StatisticsTab tab) {
    switch (tab) {
    case StatisticsTab::Opponents: return opponents_;
    case StatisticsTab::Combined: return combined_;
    case StatisticsTab::Team: break;
    }
    return team_;
}

const std::vector<StatLine>& StatisticsSets::lines(StatisticsTab tab) const {
    return const_cast<StatisticsSets*>(this)->lines(tab);
}

std::string StatisticsSets::displayName(StatisticsTab tab) const {
    if (allTeams()) return std::string(Stat::kAllTeamsName);
    return tab == StatisticsTab::Opponents ? "Opponents" : selection_.teamName();
}

std::string StatisticsSets::fileSubject(StatisticsTab tab) const {
    if (allTeams()) return std::string(Stat::kAllTeamsName);
    const std::string team = cp1252ToUtf8(selection_.teamName());
    switch (tab) {
        case StatisticsTab::Opponents:
            return team + " opponents";
        case StatisticsTab::Combined:
            return team + " and opponents";
        case StatisticsTab::Team:
            break;
    }
    return team;
}

std::string StatisticsSets::htmlTitle(StatisticsTab tab) const {
    if (allTeams()) return "Individual Stats for All Teams";
    const std::string& team = selection_.teamName();
    switch (tab) {
    case StatisticsTab::Opponents: return "Individual Stats for " + team + " Opponents";
    case StatisticsTab::Combined: return "Individual Stats for " + team + " and Opponents";
    case StatisticsTab::Team: break;
    }
    return "Individual Stats for " + team;
}

}  // namespace courtlog::stats
