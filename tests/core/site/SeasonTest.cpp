// The season a site is built from: results, standings and leaders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/output/BoxScore.h"
#include "core/site/Leaders.h"
#include "core/site/PageNames.h"
#include "core/site/Season.h"
#include "core/site/Standings.h"

namespace courtlog::site {
namespace {

using testing::gameEnding;

Season seasonOf(const std::vector<Game>& games) {
    Season season;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const output::BoxScore boxScore(games[i]);
        season.addGame(boxScore, "game-" + std::to_string(i) + ".html");
    }
    season.finish();
    return season;
}

struct Line {
    std::string team;
    int gp, w, l;
    std::string pct;
    long long pf, pa;
    bool operator==(const Line&) const = default;
};

void PrintTo(const Line& l, std::ostream* os) {
    *os << l.team << " " << l.gp << " " << l.w << "-" << l.l << " " << l.pct << " " << l.pf << "/" << l.pa;
}

std::vector<Line> linesOf(const std::vector<Standing>& table) {
    std::vector<Line> lines;
    for (const Standing& s : table)
        lines.push_back({s.team, s.played(), s.wins, s.losses, percentageText(s.wins, s.played()), s.pointsFor,
                         s.pointsAgainst});
    return lines;
}

TEST(Standings, CountDecidedGamesOnlyAndRankByPercentageThenWinsThenName) {
    const Season season = seasonOf({
        gameEnding("Hawks", 60, "Owls", 50),
        gameEnding("Owls", 40, "Hawks", 41),
        gameEnding("Lynx", 30, "Owls", 31),
        gameEnding("Lynx", 44, "Hawks", 44),  // stopped early: in no column
        gameEnding("bears", 20, "Comets", 22),
        gameEnding("Comets", 25, "bears", 26),
        gameEnding("Eagles", 10, "Lynx", 12),
        gameEnding("Pilots", 10, "Ravens", 5),
        gameEnding("Pilots", 10, "Ravens", 5),
        gameEnding("Ravens", 10, "Pilots", 5),
        gameEnding("Ravens", 10, "Pilots", 5),
        gameEnding("Wolves", 5, "Otters", 5),  // their only game, tied: a line of zeros each
    });
    EXPECT_EQ(linesOf(standingsOf(season)), (std::vector<Line>{
                                                {"Hawks", 2, 2, 0, "1.000", 101, 90},
                                                // .500 with two wins before .500 with one
                                                {"Pilots", 4, 2, 2, ".500", 30, 30},
                                                {"Ravens", 4, 2, 2, ".500", 30, 30},
                                                // then by name, letter case aside
                                                {"bears", 2, 1, 1, ".500", 46, 47},
                                                {"Comets", 2, 1, 1, ".500", 47, 46},
                                                {"Lynx", 2, 1, 1, ".500", 42, 41},
                                                {"Owls", 3, 1, 2, ".333", 121, 131},
                                                {"Eagles", 1, 0, 1, ".000", 10, 12},
                                                {"Otters", 0, 0, 0, ".000", 0, 0},
                                                {"Wolves", 0, 0, 0, ".000", 0, 0},
                                            }));
    // The tie is listed with the results all the same.
    EXPECT_EQ(season.games().size(), 12u);
    EXPECT_TRUE(season.games()[3].tied());
}

TEST(Standings, NamesDifferingInCaseAreTwoTeamsAndATeamAgainstItsOwnNameCountsNowhere) {
    const Season season = seasonOf({
        gameEnding("Hawks", 50, "hawks", 40),
        gameEnding("Hawks", 30, "Hawks", 20),
    });
    const std::vector<Line> lines = linesOf(standingsOf(season));
    EXPECT_EQ(lines, (std::vector<Line>{{"Hawks", 1, 1, 0, "1.000", 50, 40}, {"hawks", 1, 0, 1, ".000", 40, 50}}));
    // Two pages that no disk can take for one.
    EXPECT_EQ(season.team("Hawks")->page, "team-hawks.html");
    EXPECT_EQ(season.team("hawks")->page, "team-hawks-2.html");
    // The game against itself is one game of the team, in its players' figures too.
    EXPECT_EQ(season.team("Hawks")->games.size(), 2u);
    EXPECT_EQ(season.team("Hawks")->players.lines().back().gp, 2);
    EXPECT_EQ(season.team("Hawks")->players.lines().back().tp, 50 + 30 + 20);
}

TEST(Standings, PercentageIsPrintedAsStandingsPrintIt) {
    EXPECT_EQ(percentageText(3, 4), ".750");
    EXPECT_EQ(percentageText(1, 1), "1.000");
    EXPECT_EQ(percentageText(2, 3), ".667");
    EXPECT_EQ(percentageText(0, 5), ".000");
    EXPECT_EQ(percentageText(0, 0), ".000");
}

// Four Hawks games; Ann plays all four, Bea two (half: she leads), Cy one
// (a quarter: he does not, however much he scores a game).
class LeadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<Game> games;
        for (int i = 0; i < 4; ++i) {
            testing::GameBuilder g("Hawks", "Owls");
            g.homePlayer("Ann", 4, 4).homePlayer("Bea", 5, i < 2 ? 4 : 0).homePlayer("Cy", 6, i == 0 ? 4 : 0);
            g.visitorPlayer("Oz", 7, 4);
            g.home(testing::play("Ann", Shot, TwoPointMade, 0, 4));
            if (i < 2) g.home(testing::play("Bea", Shot, ThreePointMade, 0, 5));
            if (i == 0) for (int k = 0; k < 10; ++k) g.home(testing::play("Cy", Shot, TwoPointMade, 0, 6));
            g.visitor(testing::play("Oz", Shot, FreeThrowMade, 0, 7));
            g.home(testing::play("Ann", Steal, 0, 0, 4));
            games.push_back(g.game);
        }
        season = seasonOf(games);
    }
    Season season;
};

TEST_F(LeadersTest, OnlyPlayersWithHalfTheirTeamsGamesLeadHighestFirst) {
    const std::vector<Leader> points = leadersOf(season, LeaderFigure::Points);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].line.playerName, "Bea");  // 3.0 a game
    EXPECT_FLOAT_EQ(points[0].line.ppg, 3.0f);
    EXPECT_EQ(points[1].line.playerName, "Ann");  // 2.0
    EXPECT_EQ(points[2].line.playerName, "Oz");   // 1.0
    EXPECT_EQ(points[0].teamPage, "team-hawks.html");
    EXPECT_EQ(points[2].teamPage, "team-owls.html");
    EXPECT_TRUE(qualifiesToLead(points[0].line, 4));
    // Cy scored 20 in his one game of four.
    const StatLine* cy = season.team("Hawks")->players.findLine("Cy", "Hawks");
    ASSERT_NE(cy, nullptr);
    EXPECT_FLOAT_EQ(cy->ppg, 20.0f);
    EXPECT_FALSE(qualifiesToLead(*cy, 4));
    // A figure of nothing leads nothing: only Ann has steals.
    const std::vector<Leader> steals = leadersOf(season, LeaderFigure::Steals);
    ASSERT_EQ(steals.size(), 1u);
    EXPECT_EQ(steals[0].line.playerName, "Ann");
    EXPECT_TRUE(leadersOf(season, LeaderFigure::Blocks).empty());
}

TEST(Leaders, HalfOfAnOddNumberOfGamesRoundsUpAndEqualFiguresShareARank) {
    StatLine twoOfThree;
    twoOfThree.gp = 2;
    StatLine oneOfThree;
    oneOfThree.gp = 1;
    EXPECT_TRUE(qualifiesToLead(twoOfThree, 3));
    EXPECT_FALSE(qualifiesToLead(oneOfThree, 3));
    EXPECT_FALSE(qualifiesToLead(StatLine{}, 0));

    // Twelve shooters of one game, two of them equal: ten are listed, by
    // name among equals, and the two share their place.
    testing::GameBuilder g("Hawks", "Owls");
    for (int p = 0; p < 12; ++p) {
        const std::string name = "P" + std::string(1, static_cast<char>('a' + p));
        g.homePlayer(name, p, 4);
        const int points = p == 3 ? 10 : 12 - p;  // Pd scores as Pc does
        for (int k = 0; k < points; ++k) g.home(testing::play(name, Shot, FreeThrowMade, 0, p));
    }
    const std::vector<Leader> points = leadersOf(seasonOf({g.game}), LeaderFigure::Points);
    ASSERT_EQ(points.size(), 10u);
    std::vector<std::string> names;
    std::vector<int> ranks;
    for (const Leader& l : points) {
        names.push_back(l.line.playerName);
        ranks.push_back(l.rank);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Pa", "Pb", "Pc", "Pd", "Pe", "Pf", "Pg", "Ph", "Pi", "Pj"}));
    EXPECT_EQ(ranks, (std::vector<int>{1, 2, 3, 3, 5, 6, 7, 8, 9, 10}));

    // 1.54 and 1.46 a game both read 1.5: one place, the higher first.
    std::vector<Game> games;
    for (int i = 0; i < 50; ++i) {
        testing::GameBuilder g("Hawks", "Owls");
        g.homePlayer("Xa", 1, 4).homePlayer("Xb", 2, 4);
        const int xa = i < 27 ? 2 : 1;  // 77 points: 1.54
        const int xb = i < 23 ? 2 : 1;  // 73 points: 1.46
        for (int k = 0; k < xa; ++k) g.home(testing::play("Xa", Shot, FreeThrowMade, 0, 1));
        for (int k = 0; k < xb; ++k) g.home(testing::play("Xb", Shot, FreeThrowMade, 0, 2));
        games.push_back(g.game);
    }
    const std::vector<Leader> close = leadersOf(seasonOf(games), LeaderFigure::Points);
    ASSERT_EQ(close.size(), 2u);
    EXPECT_EQ(close[0].line.playerName, "Xa");
    EXPECT_EQ(close[0].rank, 1);
    EXPECT_EQ(close[1].rank, 1);
}

TEST(PageNames, SlugsAreLowerCaseAsciiAndUniqueWithoutRegardToCase) {
    EXPECT_EQ(slugOf("Harbor Hawks"), "harbor-hawks");
    EXPECT_EQ(slugOf("  St. Olaf's  \"B\" Team!"), "st-olaf-s-b-team");
    EXPECT_EQ(slugOf("\xC5lesund IL"), "lesund-il");  // letters beyond ASCII part words
    EXPECT_EQ(slugOf("../../etc"), "etc");
    EXPECT_EQ(slugOf(std::string(100, 'a')).size(), 48u);
    PageNames names("team-");
    EXPECT_EQ(names.nameFor("Hawks"), "team-hawks.html");
    EXPECT_EQ(names.nameFor("HAWKS"), "team-hawks-2.html");
    EXPECT_EQ(names.nameFor("hawks 2"), "team-hawks-2-2.html");
    EXPECT_EQ(names.nameFor("***"), "team-page.html");
}

}  // namespace
}  // namespace courtlog::site
