#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "BoxScoreTestGame.h"
#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/BoxScore.h"

namespace courtlog {
namespace {

using namespace courtlog::testing;
using output::BoxScore;

const std::string kRule(114, '-');

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(BoxScoreText, AQuarterGameReadsAsTheGoldenPage) {
    const Game g = boxScoreTestGame();
    EXPECT_EQ(BoxScore(g).textLines(), linesOf(boxScoreTestText()));
}

TEST(BoxScoreText, FollowsTheGameAfterRecompute) {
    Game g = boxScoreTestGame();
    BoxScore boxScore(g);
    g.addVisitorEvent(play("Cy Moss", Shot, TwoPointMade, 5, 7));
    boxScore.recompute();
    EXPECT_EQ(boxScore.visitorStats().lines().back().tp, 3);
    EXPECT_EQ(boxScore.textLines()[18],
              "Visitor: Owls                        0     0     0     1     0    2       3");
}

// ---- edge cases: the lines a game must show, in this order ----

struct EdgeCase {
    const char* what;
    std::function<Game()> make;
    std::vector<std::string> inOrder;
};

void PrintTo(const EdgeCase& c, std::ostream* out) { *out << c.what; }

::testing::AssertionResult showsInOrder(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const std::string& want : expected) {
        while (at < lines.size() && lines[at] != want) ++at;
        if (at == lines.size()) {
            std::string text;
            for (const std::string& line : lines) text += "|" + line + "|\n";
            return ::testing::AssertionFailure() << "missing, or out of order: |" << want << "|\nin:\n"
                                                 << text;
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

Game named(std::string fileName) {
    Game g = game(team("Hawks", 1), team("Owls", 1));
    g.fileName = std::move(fileName);
    return g;
}

Game withPlays(Game g, std::initializer_list<PlayEvent> home, std::initializer_list<PlayEvent> visitor) {
    for (const PlayEvent& e : home) g.addHomeEvent(e);
    for (const PlayEvent& e : visitor) g.addVisitorEvent(e);
    return g;
}

const std::string k105(105, 'n');

class BoxScoreEdgeCase : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(BoxScoreEdgeCase, ShowsItsLinesInOrder) {
    const Game g = GetParam().make();
    EXPECT_TRUE(showsInOrder(BoxScore(g).textLines(), GetParam().inOrder));
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxScoreEdgeCase,
    ::testing::Values(
        EdgeCase{"a team without plays shows its roster with zeros",
                 [] { return game(team("Hawks", 2), team("Owls", 1)); },
                 {"Home Game Stats for Hawks [vs Owls]", kRule, BoxScore::kColumnHeading, kRule,
                  "Hawks Player 1 #3              0  0  0  0   0  0  0   0   0   0   0   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  "Hawks Player 2 #4              0  0  0  0   0  0  0   0   0   0   0   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  kRule,
                  "TEAM TOTALS                    1  0  0  0   0  0  0   0   0   0   0   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  kRule, ""}},
        EdgeCase{"a game in halves shows half columns",
                 [] {
                     return withPlays(game(team("Hawks", 1), team("Owls", 1), true),
                                      {play("Hawks Player 1", Shot, TwoPointMade, 0, 3),
                                       play("Hawks Player 1", Shot, ThreePointMade, 2, 3),
                                       play("Hawks Player 1", Shot, FreeThrowMade, 4, 3),
                                       play("Hawks Player 1", Shot, FreeThrowMade, 5, 3)},
                                      {play("Owls Player 1", Shot, TwoPointMade, 2, 3)});
                 },
                 {"", "                                   Half1  Half2  OT1  OT2  Game Total", kRule,
                  "Home:    Hawks                       2     3     1    1       7",
                  "Visitor: Owls                        0     2     0    0       2", kRule}},
        EdgeCase{"a third overtime counts in the game total only",
                 [] {
                     return withPlays(game(team("Hawks", 1), team("Owls", 1)),
                                      {play("Hawks Player 1", Shot, TwoPointMade, 6, 3)}, {});
                 },
                 {kRule,
                  "TEAM TOTALS                    7  2  1  1 100  0  0   0   1   1 100   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  "                                   Qtr1  Qtr2  Qtr3  Qtr4  OT1  OT2  Game Total", kRule,
                  "Home:    Hawks                       0     0     0     0     0    0       2"}},
        EdgeCase{"two teams of one name each show their own plays",
                 [] {
                     return withPlays(game(team("Owls", 1), team("Owls", 1)),
                                      {play("Owls Player 1", Shot, ThreePointMade, 0, 3)},
                                      {play("Owls Player 1", Shot, TwoPointMissed, 0, 3)});
                 },
                 {"Home Game Stats for Owls [vs Owls]",
                  "Owls Player 1 #3               0  3  0  0   0  1  1 100   1   1 100   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  "Home:    Owls                        3     0     0     0     0    0       3",
                  "Visitor: Owls                        0     0     0     0     0    0       0",
                  "Visitor Game Stats for Owls [vs Owls]",
                  "Owls Player 1 #3               0  0  0  1   0  0  0   0   0   1   0   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0"}},
        EdgeCase{
            "a file name of 105 characters is not padded", [] { return named("/games/" + k105); }, {k105}},
        EdgeCase{"a file name of 104 characters gets no blank",
                 [] { return named(k105.substr(1)); },
                 {k105.substr(1)}},
        EdgeCase{"a file name of 103 characters gets one blank",
                 [] { return named(k105.substr(2)); },
                 {" " + k105.substr(2)}},
        EdgeCase{"the file name after the last backslash",
                 [] { return named("C:\\games\\2024\\final.gam"); },
                 {std::string(48, ' ') + "final.gam"}},
        EdgeCase{"a date that is no date shows no names",
                 [] {
                     Game g = named("g.gam");
                     g.month = 13;
                     g.court = "Gym";
                     return g;
                 },
                 {std::string(43, ' ') + "  14, 2024      Gym"}},
        EdgeCase{"record texts show as characters",
                 [] {
                     return withPlays(game(team("H\xE9rons", {player("Jos\xE9", 4)}), team("Owls", 1)),
                                      {play("Jos\xE9", Shot, TwoPointMade, 0, 4)}, {});
                 },
                 {"                                             Hérons vs Owls",
                  "José #4                        0  2  1  1 100  0  0   0   1   1 100   0   0   0  0  0  0  "
                  " 0   0  "
                  "0   0   0  0  0",
                  "Home:    Hérons                      2     0     0     0     0    0       2"}}),
    NameFromWhat());

TEST(BoxScoreText, PrintoutEndsWithTheVisitorsAndTheDate) {
    Game g = boxScoreTestGame();
    EXPECT_EQ(BoxScore(g).playedOnLine(), "Owls VS Hawks played on 3/14/2024 at Main Gym");
}

}  // namespace
}  // namespace courtlog
