#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/scoring/ShotSpot.h"
#include "core/stats/ShotAnalysis.h"
#include "core/stats/ShotChartFilter.h"

namespace courtlog::stats {
namespace {

using testing::GameBuilder;
using testing::ScratchFolder;
using testing::shot;

std::vector<int> xs(const std::vector<ShotMark>& marks) {
    std::vector<int> out;
    for (const ShotMark& m : marks) out.push_back(m.x);
    return out;
}

std::vector<std::string> texts(const std::vector<PlayerListEntry>& list) {
    std::vector<std::string> out;
    for (const PlayerListEntry& e : list) out.push_back(e.text);
    return out;
}

// Each shot's x tells the games apart: 1x in a.gam, 2x in b.gam, 3x in c.gam.
//   a.gam  Hawks (home) vs Owls     b.gam  Lynx (home) vs Hawks
//   c.gam  Hawks (home) vs Bears    bad.gam  not a game
// "Sam" plays for the Owls and for the Hawks.
class ShotCollection : public ::testing::Test {
protected:
    void SetUp() override {
        GameBuilder a("Hawks", "Owls");
        a.homePlayer("Ann", 12, 4).homePlayer("Sam", 5, 4).visitorPlayer("Sam", 9, 4).visitorPlayer("Oli", 3, 4);
        a.home(shot("Ann", TwoPointMade, 10, 40, 0))
            .home(shot("Sam", ThreePointMissed, 11, 80, 1))
            .home(testing::play("Ann", Shot, FreeThrowMade))
            .visitor(shot("Sam", TwoPointMissed, 15, 30, 2))
            .visitor(shot("Oli", ThreePointMade, 16, 70, 3));
        GameBuilder b("Lynx", "Hawks");
        b.homePlayer("Lou", 7, 4).visitorPlayer("Bea", 8, 4).visitorPlayer("Ann", 12, 4);
        b.home(shot("Lou", TwoPointMade, 25, 40)).visitor(shot("Ann", ThreePointMade, 20, 90, 4));
        GameBuilder c("Hawks", "Bears");
        c.homePlayer("Ann", 12, 4).visitorPlayer("Bo", 2, 4);
        c.home(shot("Ann", TwoPointMissed, 30, 40)).visitor(shot("Bo", TwoPointMissed, 35, 40));
        for (const auto& [g, name] : {std::pair{&a, "a.gam"}, {&b, "b.gam"}, {&c, "c.gam"}})
            analysis.addFile(folder.saveGame(g->game, name));
        bad = folder.file("bad.gam");
        testing::writeFile(bad, "not a game");
        analysis.addFile(bad);
        analysis.setTeamName("Hawks");
    }
    ScratchFolder folder;
    std::string bad;
    ShotAnalysis analysis;
};

TEST_F(ShotCollection, PlayerListHoldsEachRosterNameOnceThenTheGroups) {
    EXPECT_EQ(texts(analysis.playerList()),
              (std::vector<std::string>{"Ann", "Sam", "Bea", "Whole Team", "Opposing Team(s)"}));
    analysis.setAllTeams(true);
    // Visitors first in each game; Sam, on both teams, once.
    EXPECT_EQ(texts(analysis.playerList()),
              (std::vector<std::string>{"Sam", "Oli", "Ann", "Bea", "Lou", "Bo", "Whole Team"}));
}

TEST_F(ShotCollection, WholeTeamCollectsItsFieldGoalsInRecordedOrder) {
    analysis.collect(ShotSelection::wholeTeam());
    EXPECT_EQ(xs(analysis.madeShots()), (std::vector<int>{10, 20}));
    EXPECT_EQ(xs(analysis.missedShots()), (std::vector<int>{11, 30}));
    EXPECT_EQ(analysis.kindCounts(), (ShotAnalysis::KindCounts{1, 1, 1, 1}));
    EXPECT_EQ(analysis.madeShots()[1], (ShotMark{20, 90, 4, ThreePointMade}));
    ASSERT_EQ(analysis.loadProblems().size(), 1u);
    EXPECT_EQ(analysis.loadProblems()[0].path, bad);
}

TEST_F(ShotCollection, OpposingTeamsPlotEveryOpponentOfEveryGame) {
    analysis.collect(ShotSelection::opposingTeams());
    EXPECT_EQ(xs(analysis.madeShots()), (std::vector<int>{16, 25}));
    EXPECT_EQ(xs(analysis.missedShots()), (std::vector<int>{15, 35}));
}

TEST_F(ShotCollection, OnePlayerOfTheTeamAndInAllTeamsModeEveryoneOfThatName) {
    analysis.collect(ShotSelection::player("Sam"));
    EXPECT_EQ(xs(analysis.missedShots()), (std::vector<int>{11}));
    analysis.setAllTeams(true);
    analysis.collect(ShotSelection::player("Sam"));
    EXPECT_EQ(xs(analysis.missedShots()), (std::vector<int>{15, 11}));
    analysis.collect(ShotSelection::wholeTeam());
    EXPECT_EQ(xs(analysis.madeShots()), (std::vector<int>{16, 10, 20, 25}));
}

TEST_F(ShotCollection, PlayerCalledWholeTeamStaysAPlayer) {
    EXPECT_EQ(ShotSelection::player("Whole Team").text(), "Whole Team");
    analysis.collect(ShotSelection::player("Whole Team"));
    EXPECT_TRUE(analysis.madeShots().empty());
    EXPECT_TRUE(analysis.missedShots().empty());
}

TEST(ShotCollectionInProgress, ReadsTheGameBeingScoredAndTheVisitorsWhenBothCarryTheName) {
    GameBuilder live("Hawks", "Hawks");
    live.home(shot("Ann", TwoPointMade, 1, 1)).visitor(shot("Vic", TwoPointMade, 2, 2));
    // A three recorded without a click keeps the default spot and is plotted there.
    const scoring::CourtPoint spot = scoring::defaultShotSpot(ThreePointMissed);
    live.visitor(shot("Vic", ThreePointMissed, spot.x, spot.y));
    ShotAnalysis analysis;
    analysis.addFile("");
    analysis.setTeamName("Hawks");
    analysis.readGameInProgress(&live.game);
    analysis.collect(ShotSelection::wholeTeam());
    EXPECT_EQ(xs(analysis.madeShots()), (std::vector<int>{2}));
    EXPECT_EQ(analysis.missedShots(), (std::vector<ShotMark>{{57, 77, 0, ThreePointMissed}}));
    EXPECT_TRUE(analysis.loadProblems().empty());
}

// The filter over marks of every kind in periods 0..5 and 12.
struct FilterCase {
    const char* what;
    const char* period;
    ShotKindChoice kind;
    std::vector<int> shownPeriods;  // of the two-pointers, then the threes
};
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.what; }

class ShotFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ShotFilter, ShowsWhatThePeriodAndKindAllow) {
    const FilterCase& c = GetParam();
    const PeriodChoice* period = nullptr;
    for (const PeriodChoice& p : periodChoices())
        if (p.name == c.period) period = &p;
    ASSERT_NE(period, nullptr);
    std::vector<ShotMark> marks;
    for (int result : {TwoPointMade, TwoPointMissed, ThreePointMade, ThreePointMissed})
        for (int p : {0, 1, 2, 3, 4, 5, 12}) marks.push_back({0, 0, static_cast<std::int16_t>(p), static_cast<std::int16_t>(result)});
    std::vector<int> shown;
    for (const ShotMark& m : shownMarks(marks, ShotChartFilter::of(*period, c.kind)))
        if (m.result == TwoPointMade || m.result == ThreePointMade) shown.push_back(m.period);
    EXPECT_EQ(shown, c.shownPeriods);
    // Made and missed are shown alike.
    EXPECT_EQ(shownMarks(marks, ShotChartFilter::of(*period, c.kind)).size(), 2 * c.shownPeriods.size());
}

INSTANTIATE_TEST_SUITE_P(
    PeriodsAndKinds, ShotFilter,
    ::testing::Values(FilterCase{"whole game, all", "Whole Game", ShotKindChoice::All,
                                 {0, 1, 2, 3, 4, 5, 12, 0, 1, 2, 3, 4, 5, 12}},
                      // Quarters 3 and 4 of a game in quarters; period 2 of one in halves.
                      FilterCase{"second half", "Second Half", ShotKindChoice::All, {2, 3, 2, 3}},
                      FilterCase{"first half, twos", "First Half", ShotKindChoice::Twos, {0, 1}},
                      FilterCase{"overtime from four up", "Overtime", ShotKindChoice::Threes, {4, 5, 12}},
                      FilterCase{"threes of the second quarter", "Second Quarter", ShotKindChoice::Threes, {1}},
                      FilterCase{"fourth quarter twos", "Fourth Quarter", ShotKindChoice::Twos, {3}}),
    testing::NameFromWhat());

}  // namespace
}  // namespace courtlog::stats
