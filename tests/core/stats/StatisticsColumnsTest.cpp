// The statistics viewer's cells and sorting, and the sets behind its tabs.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/stats/StatisticsColumns.h"
#include "core/stats/StatisticsSets.h"

namespace courtlog::stats {
namespace {

using courtlog::testing::play;

// Ann #12: 2 of 3 two-pointers, 2 of 3 three-pointers, one free throw
// missed, 5 assists, over 2 games.
StatLine ann() {
    StatLine l;
    l.playerName = "Ann";
    l.teamName = "Hawks";
    l.number = 12;
    l.gp = 2;
    l.twoA = 3;
    l.twoM = 2;
    l.threeA = 3;
    l.threeM = 2;
    l.fta = 1;
    l.tp = 10;
    l.as = 5;
    l.computeDerived();
    return l;
}

struct CellCase {
    const char* name;
    std::size_t column;
    const char* heading;
    const char* text;
};
void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }

class ViewerCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(ViewerCells, ShowTheValueInTheColumnsFormat) {
    EXPECT_EQ(viewerColumns()[GetParam().column].heading, GetParam().heading);
    EXPECT_EQ(viewerCellText(ann(), GetParam().column, false), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ViewerCells,
    ::testing::Values(CellCase{"NameWithNumber", 0, "Name", "Ann #12"}, CellCase{"Team", 1, "Team", "Hawks"},
                      CellCase{"TotalPoints", 4, "Tot Pts", "10"}, CellCase{"PointsPerGame", 5, "Pts/Game", "5.0"},
                      CellCase{"TwoPercentCutOff", 8, "2s %", "66"}, CellCase{"ThreePercentRounded", 11, "3s %", "67"},
                      CellCase{"FieldGoalPercent", 14, "FG %", "67"}, CellCase{"NoFreeThrowMade", 17, "FT %", "0"},
                      CellCase{"AssistsPerGame", 19, "Assists/Game", "2.5"},
                      CellCase{"FirstTurnoverKind", 32, "Travel", "0"}, CellCase{"TurnoversPerGame", 43, "TO/Game", "0.0"},
                      CellCase{"NameAgainAtTheEnd", 44, "Name", "Ann #12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewerCells, UniformZeroZeroAndTheTotalsLine) {
    StatLine line = ann();
    line.number = -1;
    EXPECT_EQ(viewerCellText(line, 0, false), "Ann #00");
    line.playerName = "TEAM TOTALS";
    EXPECT_EQ(viewerCellText(line, 44, true), "TEAM TOTALS");
    EXPECT_EQ(viewerColumns()[0].alignment, CellAlignment::Left);
    EXPECT_EQ(viewerColumns()[1].alignment, CellAlignment::Centre);
}

// Players by points: Cy 9, Ann 10, Bo 2, then the totals line.
std::vector<StatLine> threePlayers() {
    std::vector<StatLine> lines(4);
    const char* names[] = {"Cy", "Ann", "Bo", "TEAM TOTALS"};
    const char* teams[] = {"Owls", "Hawks", "Lynx", ""};
    const int points[] = {9, 10, 2, 21};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].playerName = names[i];
        lines[i].teamName = teams[i];
        lines[i].tp = points[i];
        lines[i].gp = 1;
        lines[i].computeDerived();
    }
    return lines;
}

std::vector<std::string> namesOf(const std::vector<StatLine>& lines) {
    std::vector<std::string> names;
    for (const StatLine& l : lines) names.push_back(l.playerName);
    return names;
}

struct SortCase {
    const char* name;
    std::vector<std::size_t> clicks;
    std::vector<std::string> order;
};
void PrintTo(const SortCase& c, std::ostream* os) { *os << c.name; }

class ColumnSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(ColumnSort, KeepsTheTotalsLast) {
    std::vector<StatLine> lines = threePlayers();
    ColumnSortDirections directions;
    for (std::size_t column : GetParam().clicks) directions.sortBy(lines, column);
    EXPECT_EQ(namesOf(lines), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColumnSort,
    ::testing::Values(SortCase{"TotPtsFirstClickHighestFirst", {4}, {"Ann", "Cy", "Bo", "TEAM TOTALS"}},
                      SortCase{"TotPtsSecondClickLowestFirst", {4, 4}, {"Bo", "Cy", "Ann", "TEAM TOTALS"}},
                      SortCase{"FloatColumnByValue", {5}, {"Ann", "Cy", "Bo", "TEAM TOTALS"}},
                      SortCase{"NameDescendingFirst", {0}, {"Cy", "Bo", "Ann", "TEAM TOTALS"}},
                      SortCase{"LastNameColumnAscendingSecond", {44, 44}, {"Ann", "Bo", "Cy", "TEAM TOTALS"}},
                      SortCase{"TeamColumnSortsByTeam", {1}, {"Cy", "Bo", "Ann", "TEAM TOTALS"}},
                      SortCase{"EachColumnHasItsOwnDirection", {4, 0}, {"Cy", "Bo", "Ann", "TEAM TOTALS"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnSort, OneLineAloneStaysAsItIs) {
    std::vector<StatLine> lines = {threePlayers().back()};
    sortStatLines(lines, 4, true);
    EXPECT_EQ(namesOf(lines), std::vector<std::string>{"TEAM TOTALS"});
}

// The Hawks beat the Owls; Ann scores 2, Oli 3.
Game hawksOwls() {
    Game game = courtlog::testing::game("Hawks", "Owls", {play("Ann", Shot, TwoPointMade, 0, 12)},
                                        {play("Oli", Shot, ThreePointMade, 0, 7)});
    game.home.players.clear();
    game.visitor.players.clear();
    return game;
}

TEST(StatisticsSets, TeamOpponentsAndCombinedWithOpponentsFirst) {
    Stat selection;
    selection.setTeamName("Hawks");
    StatisticsSets sets(selection);
    sets.compute(hawksOwls());
    EXPECT_EQ(sets.tabs(),
              (std::vector<StatisticsTab>{StatisticsTab::Team, StatisticsTab::Opponents, StatisticsTab::Combined}));
    EXPECT_EQ(namesOf(sets.lines(StatisticsTab::Team)), (std::vector<std::string>{"Ann", "TEAM TOTALS"}));
    EXPECT_EQ(namesOf(sets.lines(StatisticsTab::Opponents)), (std::vector<std::string>{"Oli", "TEAM TOTALS"}));
    EXPECT_EQ(namesOf(sets.lines(StatisticsTab::Combined)), (std::vector<std::string>{"Oli", "Ann", "TEAM TOTALS"}));
    EXPECT_EQ(sets.lines(StatisticsTab::Combined).back().tp, 5);
    EXPECT_EQ(sets.tabCaption(StatisticsTab::Team), "Hawks");
    EXPECT_EQ(sets.displayName(StatisticsTab::Combined), "Hawks");
    EXPECT_EQ(sets.displayName(StatisticsTab::Opponents), "Opponents");
    EXPECT_EQ(sets.htmlTitle(StatisticsTab::Team), "Individual Stats for Hawks");
    EXPECT_EQ(sets.htmlTitle(StatisticsTab::Opponents), "Individual Stats for Hawks Opponents");
    EXPECT_EQ(sets.htmlTitle(StatisticsTab::Combined), "Individual Stats for Hawks and Opponents");
}

TEST(StatisticsSets, AllTeamsIsOneSetOverTheFiles) {
    const courtlog::testing::ScratchFolder folder;
    Stat selection;
    selection.setTeamName("All Teams");
    selection.setAllTeams(true);
    selection.addFile(folder.saveGame(hawksOwls(), "a.gam"));
    StatisticsSets sets(selection);
    sets.compute();
    EXPECT_EQ(sets.tabs(), std::vector<StatisticsTab>{StatisticsTab::Team});
    EXPECT_EQ(sets.tabCaption(StatisticsTab::Team), "All Teams");
    EXPECT_EQ(namesOf(sets.lines(StatisticsTab::Team)), (std::vector<std::string>{"Ann", "Oli", "TEAM TOTALS"}));
    EXPECT_EQ(sets.displayName(StatisticsTab::Team), "All Teams");
    EXPECT_EQ(sets.htmlTitle(StatisticsTab::Team), "Individual Stats for All Teams");
}

}  // namespace
}  // namespace courtlog::stats
