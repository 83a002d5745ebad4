#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/stats/Stat.h"

namespace courtlog {
namespace {

using testing::GameBuilder;
using testing::play;
using testing::ScratchFolder;

using NameTeam = std::pair<std::string, std::string>;

std::vector<NameTeam> lineNames(const Stat& stat) {
    std::vector<NameTeam> out;
    for (const StatLine& l : stat.lines()) out.emplace_back(l.playerName, l.teamName);
    return out;
}

const StatLine& totalsOf(const Stat& stat) {
    EXPECT_FALSE(stat.lines().empty());
    EXPECT_EQ(stat.lines().back().playerName, "TEAM TOTALS");
    EXPECT_EQ(stat.lines().back().teamName, "");
    return stat.lines().back();
}

// Three games and a damaged file:
//   a.gam  Hawks (home) vs Miners, four quarters
//   b.gam  Ravens (home) vs Hawks, the Hawks' last play in the second overtime
//   c.gam  Ravens (home) vs Miners, the Hawks do not play
//   bad.gam  not a game file
// Both the Miners and the Ravens have a player called "Sam".
class StatOverFiles : public ::testing::Test {
protected:
    void SetUp() override {
        GameBuilder a("Hawks", "Miners");
        a.homePlayer("Ann", 12, 4).homePlayer("Bea", 5, 2).homePlayer("Cy", 9, 0);
        a.visitorPlayer("Sam", 7, 4).visitorPlayer("Tom", -1, 3);
        a.home(play("Ann", Shot, TwoPointMade, 0, 12))
            .home(play("Ann", Shot, TwoPointMissed, 1, 12))
            .home(play("Bea", Shot, ThreePointMade, 3, 5))
            .home(play("", Shot, TwoPointMade, 3))  // nobody: credits no line
            .visitor(play("Sam", Shot, FreeThrowMade, 0, 7))
            .visitor(play("Tom", Rebound, DefensiveRebound, 2, -1));
        files.push_back(folder.saveGame(a.game, "a.gam"));

        GameBuilder b("Ravens", "Hawks");
        b.homePlayer("Sam", 33, 5).homePlayer("Ugo", 8, 6);
        b.visitorPlayer("Ann", 12, 6).visitorPlayer("Dee", 20, 1);
        b.visitor(play("Ann", Shot, ThreePointMade, 0, 12))
            .visitor(play("Dee", Assist, 0, 5, 20))  // Dee: not yet met, gets a line from the play
            .home(play("Sam", Shot, TwoPointMade, 1, 33))
            .home(play("Sam", Steal, 0, 2, 33));
        files.push_back(folder.saveGame(b.game, "b.gam"));

        GameBuilder c("Ravens", "Miners");
        c.homePlayer("Sam", 33, 4).visitorPlayer("Sam", 7, 4);
        c.home(play("Sam", Shot, TwoPointMade, 0, 33)).visitor(play("Sam", Shot, ThreePointMade, 3, 7));
        files.push_back(folder.saveGame(c.game, "c.gam"));

        files.push_back(folder.file("bad.gam"));
        std::FILE* f = std::fopen(files.back().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("not a game", f);
        std::fclose(f);
    }

    Stat computed(const std::string& team, bool allTeams, bool opponents) const {
        Stat stat;
        for (const std::string& f : files) stat.addFile(f);
        stat.setTeamName(team);
        stat.setAllTeams(allTeams);
        stat.compute(opponents);
        return stat;
    }

    ScratchFolder folder;
    std::vector<std::string> files;
};

struct ModeCase {
    const char* what;
    std::string team;
    bool allTeams;
    bool opponents;
    std::vector<NameTeam> lines;  // in order, totals last
    std::int32_t totalsGp, totalsPp, totalsTp;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.what; }

class StatModes : public StatOverFiles, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(StatModes, ReadTheMatchingSidesOnly) {
    const ModeCase& c = GetParam();
    const Stat stat = computed(c.team, c.allTeams, c.opponents);
    EXPECT_EQ(lineNames(stat), c.lines) << c.what;
    const StatLine& totals = totalsOf(stat);
    EXPECT_EQ(totals.gp, c.totalsGp) << c.what;
    EXPECT_EQ(totals.pp, c.totalsPp) << c.what;
    EXPECT_EQ(totals.tp, c.totalsTp) << c.what;
    ASSERT_EQ(stat.loadProblems().size(), 1u);
    EXPECT_EQ(stat.loadProblems()[0].path, files.back());
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatModes,
    ::testing::Values(
        // Hawks play in a and b; c and the damaged file are skipped. Periods:
        // a's last home play is in period 3 (4), b's in period 5 (6).
        ModeCase{"team",
                 "Hawks",
                 false,
                 false,
                 {{"Ann", "Hawks"}, {"Bea", "Hawks"}, {"Cy", "Hawks"}, {"Dee", "Hawks"}, {"TEAM TOTALS", ""}},
                 2,
                 10,
                 2 + 3 + 3},
        // The Miners (a) and the Ravens (b) face the Hawks: each player keeps
        // his own team's name, the two Sams stay apart.
        ModeCase{"opponents",
                 "Hawks",
                 false,
                 true,
                 {{"Sam", "Miners"}, {"Tom", "Miners"}, {"Sam", "Ravens"}, {"Ugo", "Ravens"}, {"TEAM TOTALS", ""}},
                 2,
                 3 + 3,
                 1 + 2},
        // Every side of every game; the damaged file is left out, not counted
        // as a game with no plays. Periods come from the visiting sides:
        // a 3, b 6, c 4.
        ModeCase{"all teams",
                 "All Teams",
                 true,
                 false,
                 {{"Ann", "Hawks"},
                  {"Bea", "Hawks"},
                  {"Cy", "Hawks"},
                  {"Sam", "Miners"},
                  {"Tom", "Miners"},
                  {"Sam", "Ravens"},
                  {"Ugo", "Ravens"},
                  {"Dee", "Hawks"},
                  {"TEAM TOTALS", ""}},
                 3,
                 3 + 6 + 4,
                 (2 + 3 + 1) + (3 + 2) + (2 + 3)},
        ModeCase{"a team that never plays", "Pilots", false, false, {{"TEAM TOTALS", ""}}, 0, 0, 0},
        ModeCase{"opponents of a team that never plays", "Pilots", false, true, {{"TEAM TOTALS", ""}}, 0, 0, 0}),
    courtlog::testing::NameFromWhat());

TEST_F(StatOverFiles, TeamModeCountsPlaysRosterPeriodsAndGames) {
    const Stat stat = computed("Hawks", false, false);
    const StatLine* ann = stat.findLine("Ann", "Hawks");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->number, 12);
    EXPECT_EQ(ann->gp, 2);
    EXPECT_EQ(ann->pp, 4 + 6);
    EXPECT_EQ(ann->tp, 5);
    EXPECT_EQ(ann->twoA, 2);
    EXPECT_EQ(ann->twoM, 1);
    EXPECT_EQ(ann->threeM, 1);
    EXPECT_FLOAT_EQ(ann->ppg, 2.5f);
    EXPECT_FLOAT_EQ(ann->fgPct, 200.0f / 3.0f);

    // On the roster with no period played and no play: a line of zeros.
    const StatLine* cy = stat.findLine("Cy", "Hawks");
    ASSERT_NE(cy, nullptr);
    EXPECT_EQ(cy->gp, 0);
    EXPECT_EQ(cy->pp, 0);
    EXPECT_EQ(*cy, [] {
        StatLine zero;
        zero.playerName = "Cy";
        zero.teamName = "Hawks";
        zero.number = 9;
        return zero;
    }());

    const StatLine& totals = totalsOf(stat);
    EXPECT_EQ(totals.number, -1);
    EXPECT_EQ(totals.twoA, 2);
    EXPECT_EQ(totals.threeA, 2);
    EXPECT_EQ(totals.fga, 4);
    EXPECT_EQ(totals.as, 1);
    EXPECT_FLOAT_EQ(totals.ppg, 4.0f);  // team points over games, not over players' games
}

TEST_F(StatOverFiles, PlaysWithoutPlayedPeriodsGiveNoGamesPlayed) {
    // Eve scores but no period of hers is flagged as played.
    GameBuilder d("Hawks", "Owls");
    d.homePlayer("Eve", 3, 0).home(play("Eve", Shot, TwoPointMade, 0, 3));
    Stat stat;
    stat.addFile(folder.saveGame(d.game, "d.gam"));
    stat.setTeamName("Hawks");
    stat.compute(false);
    const StatLine* eve = stat.findLine("Eve", "Hawks");
    ASSERT_NE(eve, nullptr);
    EXPECT_EQ(eve->tp, 2);
    EXPECT_EQ(eve->gp, 0);
    EXPECT_EQ(eve->ppg, 0.0f);
    EXPECT_EQ(totalsOf(stat).gp, 1);
}

TEST_F(StatOverFiles, ComputeStartsAfreshAndClearEmptiesEverything) {
    Stat stat = computed("Hawks", false, false);
    const std::vector<StatLine> first = stat.lines();
    stat.compute(false);
    EXPECT_EQ(stat.lines(), first);
    EXPECT_EQ(stat.fileCount(), 4u);
    stat.clear();
    EXPECT_EQ(stat.fileCount(), 0u);
    EXPECT_EQ(stat.lineCount(), 0u);
    EXPECT_EQ(stat.findLine("Ann", "Hawks"), nullptr);
}

TEST(StatTest, AllTeamsReadsBothSidesOfTwoTeamsWithOneName) {
    ScratchFolder folder;
    GameBuilder g("Twins", "Twins");
    g.homePlayer("Ann", 1, 4).visitorPlayer("Bo", 2, 3).visitorPlayer("Ann", 1, 2);
    g.home(play("Ann", Shot, TwoPointMade, 0, 1)).home(play("Ann", Shot, TwoPointMade, 1, 1));
    g.visitor(play("Bo", Shot, ThreePointMade, 2, 2)).visitor(play("Ann", Shot, FreeThrowMade, 3, 1));
    Stat stat;
    stat.addFile(folder.saveGame(g.game, "twins.gam"));
    stat.setTeamName("All Teams");
    stat.setAllTeams(true);
    stat.compute(false);

    // Home first, then visitors; one name means one line per player name.
    EXPECT_EQ(lineNames(stat), (std::vector<NameTeam>{{"Ann", "Twins"}, {"Bo", "Twins"}, {"TEAM TOTALS", ""}}));
    const StatLine* ann = stat.findLine("Ann", "Twins");
    ASSERT_NE(ann, nullptr);
    EXPECT_EQ(ann->tp, 5);
    EXPECT_EQ(ann->pp, 6);
    EXPECT_EQ(ann->gp, 2);  // once per side read
    EXPECT_EQ(totalsOf(stat).tp, 8);
    EXPECT_EQ(totalsOf(stat).gp, 1);
    EXPECT_EQ(totalsOf(stat).pp, 4);  // the visiting side's periods only
}

TEST(StatTest, OvertimeAddsItsPeriods) {
    ScratchFolder folder;
    GameBuilder g("Hawks", "Owls");
    g.home(play("Ann", Shot, TwoPointMade, 0)).home(play("Ann", Shot, TwoPointMade, 5)).home(play("Ann", Assist, 0, 2));
    Stat stat;
    stat.addFile(folder.saveGame(g.game, "ot.gam"));
    stat.setTeamName("Hawks");
    stat.compute(false);
    EXPECT_EQ(totalsOf(stat).pp, 6);

    // The visiting side has no plays: it adds one period.
    stat.setTeamName("Owls");
    stat.compute(false);
    EXPECT_EQ(totalsOf(stat).pp, 1);
    EXPECT_EQ(totalsOf(stat).gp, 1);
}

TEST(StatTest, SeasonTotalsGoPastSixteenBitsOverMoreThanAThousandFiles) {
    ScratchFolder folder;
    Stat stat;
    const int games = 1001;
    for (int i = 0; i < games; ++i) {
        GameBuilder g("Hawks", "Owls");
        g.homePlayer("Ann", 1, 4);
        for (int p = 0; p < 12; ++p) g.home(play("Ann", Shot, ThreePointMade, p % 4, 1));
        stat.addFile(folder.saveGame(g.game, "g" + std::to_string(i) + ".gam"));
    }
    stat.setTeamName("Hawks");
    stat.compute(false);
    const StatLine& totals = totalsOf(stat);
    EXPECT_EQ(totals.gp, games);
    EXPECT_EQ(totals.pp, 4 * games);
    EXPECT_EQ(totals.tp, 36 * games);  // 36,036: past the 16-bit limit
    EXPECT_EQ(stat.findLine("Ann", "Hawks")->pp, 4 * games);
    EXPECT_FLOAT_EQ(totals.ppg, 36.0f);
}

TEST(StatTest, GameInProgressIsTheOnlyGameRead) {
    GameBuilder g("Hawks", "Owls");
    g.homePlayer("Ann", 1, 2).visitorPlayer("Zed", 2, 2);
    g.home(play("Ann", Shot, ThreePointMade, 1, 1)).visitor(play("Zed", Shot, TwoPointMade, 4, 2));
    Stat stat;
    stat.addFile("/no/such/file.gam");
    stat.setTeamName("Owls");
    stat.compute(g.game, false);
    EXPECT_EQ(lineNames(stat), (std::vector<NameTeam>{{"Zed", "Owls"}, {"TEAM TOTALS", ""}}));
    EXPECT_EQ(totalsOf(stat).gp, 1);
    EXPECT_EQ(totalsOf(stat).pp, 5);
    EXPECT_TRUE(stat.loadProblems().empty());

    stat.compute(g.game, true);  // the Owls' opponents
    EXPECT_EQ(lineNames(stat), (std::vector<NameTeam>{{"Ann", "Hawks"}, {"TEAM TOTALS", ""}}));
    EXPECT_EQ(totalsOf(stat).tp, 3);
}

TEST(StatTest, LooksUpByExactPlayerAndTeamName) {
    Stat stat;
    GameBuilder g("Hawks", "Owls");
    g.homePlayer("Ann", 1, 1).home(play("ann", Assist));
    stat.setTeamName("Hawks");
    stat.compute(g.game, false);
    EXPECT_TRUE(stat.hasLine("Ann", "Hawks"));
    EXPECT_TRUE(stat.hasLine("ann", "Hawks"));
    EXPECT_FALSE(stat.hasLine("ANN", "Hawks"));
    EXPECT_FALSE(stat.hasLine("Ann", "hawks"));
    EXPECT_TRUE(stat.hasLine("", "anything"));  // empty names never get a line
    EXPECT_EQ(stat.findLine("", "Hawks"), nullptr);
    EXPECT_EQ(stat.findLine("ann", "Hawks")->as, 1);
    EXPECT_EQ(stat.findLine("Ann", "Hawks")->as, 0);
}

TEST(StatTest, FinishKeepsTheTotalsLineLastAndCanRunAgain) {
    GameBuilder g("Hawks", "Owls");
    g.home(play("Ann", Shot, TwoPointMade)).home(play("Bo", Shot, FreeThrowMissed));
    Stat stat;
    stat.setTeamName("Hawks");
    stat.compute(g.game, false);
    const std::vector<StatLine> once = stat.lines();
    stat.finish(1, 4);
    stat.finish(1, 4);
    ASSERT_EQ(stat.lineCount(), once.size());
    EXPECT_EQ(totalsOf(stat).tp, 2);
    EXPECT_EQ(totalsOf(stat).fta, 1);
    EXPECT_EQ(totalsOf(stat).pp, 4);

    // Lines added after the totals line: the totals move back to the end.
    Stat more;
    GameBuilder h("Owls", "Hawks");
    h.home(play("Cy", Steal));
    more.setTeamName("Owls");
    more.compute(h.game, false);
    stat.appendLines(more, true);
    EXPECT_EQ(stat.lines().back().playerName, "Cy");
    stat.finish(2, 8);
    EXPECT_EQ(lineNames(stat),
              (std::vector<NameTeam>{{"Ann", "Hawks"}, {"Bo", "Hawks"}, {"Cy", "Owls"}, {"TEAM TOTALS", ""}}));
    EXPECT_EQ(totalsOf(stat).st, 1);
    EXPECT_EQ(totalsOf(stat).tp, 2);
    EXPECT_EQ(totalsOf(stat).gp, 2);
}

// A season summed from each game's box score sides is what reading the files
// for the team gives: the same lines in the same order, the same figures.
TEST_F(StatOverFiles, MergedGameSidesEqualTheTeamReadOverTheFiles) {
    for (const std::string team : {"Hawks", "Miners"}) {
        Stat season;
        long long games = 0;
        long long periods = 0;
        for (std::size_t i = 0; i + 1 < files.size(); ++i) {  // the damaged file is no game
            Game game;
            ASSERT_TRUE(game.load(files[i]));
            for (const Stat::Side side : {Stat::Side::Home, Stat::Side::Visitor}) {
                if ((side == Stat::Side::Home ? game.homeName : game.visitorName) != team) continue;
                Stat oneSide;
                oneSide.computeSide(game, side);
                season.mergeLines(oneSide);
                ++games;
                periods += totalsOf(oneSide).pp;
            }
        }
        season.finish(games, periods);
        EXPECT_EQ(season.lines(), computed(team, false, false).lines()) << team;
    }
}

TEST_F(StatOverFiles, CombinedPutsOpponentsFirstAndTakesTheTeamsGamesAndPeriods) {
    const Stat team = computed("Hawks", false, false);
    const Stat opponents = computed("Hawks", false, true);
    const Stat both = Stat::combined(team, opponents);
    EXPECT_EQ(lineNames(both), (std::vector<NameTeam>{{"Sam", "Miners"},
                                                      {"Tom", "Miners"},
                                                      {"Sam", "Ravens"},
                                                      {"Ugo", "Ravens"},
                                                      {"Ann", "Hawks"},
                                                      {"Bea", "Hawks"},
                                                      {"Cy", "Hawks"},
                                                      {"Dee", "Hawks"},
                                                      {"TEAM TOTALS", ""}}));
    const StatLine& totals = totalsOf(both);
    EXPECT_EQ(totals.gp, totalsOf(team).gp);
    EXPECT_EQ(totals.pp, totalsOf(team).pp);
    EXPECT_EQ(totals.tp, totalsOf(team).tp + totalsOf(opponents).tp);
    EXPECT_EQ(both.findLine("Sam", "Ravens")->st, 1);
}

}  // namespace
TEST(StatTest, OnePlayerNameOnSeveralTeamsOverManyGamesKeepsALinePerTeam) {
    // Names are remembered from game to game per team: the same name on
    // another team, a name longer than a record holds (a game in memory),
    // and a second compute must still find their own lines.
    ScratchFolder folder;
    Stat stat;
    for (int i = 0; i < 6; ++i) {
        GameBuilder g(i % 2 ? "Owls" : "Hawks", i % 3 ? "Eagles" : "Owls");
        g.homePlayer("Sam Berg", 5, 4).visitorPlayer("Sam Berg", 9, 4);
        g.home(play("Sam Berg", Shot, TwoPointMade, 0, 5)).visitor(play("Sam Berg", Shot, ThreePointMade, 1, 9));
        stat.addFile(folder.saveGame(g.game, "g" + std::to_string(i) + ".gam"));
    }
    stat.setTeamName("All Teams");
    stat.setAllTeams(true);
    for (int round = 0; round < 2; ++round) {
        stat.compute(false);
        const StatLine* hawks = stat.findLine("Sam Berg", "Hawks");
        const StatLine* owls = stat.findLine("Sam Berg", "Owls");
        const StatLine* eagles = stat.findLine("Sam Berg", "Eagles");
        ASSERT_TRUE(hawks && owls && eagles);
        EXPECT_EQ(hawks->tp, 3 * 2);          // home in games 0, 2, 4
        EXPECT_EQ(owls->tp, 3 * 2 + 2 * 3);   // home in 1, 3, 5; visiting in 0, 3
        EXPECT_EQ(eagles->tp, 4 * 3);         // visiting in 1, 2, 4, 5
        EXPECT_EQ(totalsOf(stat).tp, 6 * 5);
    }

    const std::string longName(40, 'x');
    GameBuilder live("Hawks", "Owls");
    live.homePlayer(longName, 1, 2).home(play(longName, Shot, TwoPointMade, 0, 1));
    live.home(play(longName, Shot, FreeThrowMade, 0, 1));
    stat.setTeamName("Hawks");
    stat.compute(live.game, false);
    ASSERT_NE(stat.findLine(longName, "Hawks"), nullptr);
    EXPECT_EQ(stat.findLine(longName, "Hawks")->tp, 3);
}

}  // namespace courtlog
