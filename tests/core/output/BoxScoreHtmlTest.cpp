#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BoxScoreTestGame.h"
#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/BoxScore.h"
#include "core/output/BoxScoreHtml.h"

namespace courtlog {
namespace {

using namespace courtlog::testing;
using output::BoxScore;

const output::ClockReading kStamp{2024, 3, 5, 9, 7, 30};
constexpr const char* kHead =
    "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Box Score</TITLE></HEAD><BODY>";

std::string pageOf(const Game& g, bool withHead = true) {
    return output::boxScoreHtml(BoxScore(g), boxScoreTestStyle(), withHead, kStamp);
}

TEST(BoxScoreHtml, AQuarterGameReadsAsTheGoldenPage) {
    EXPECT_EQ(pageOf(boxScoreTestGame()), boxScoreTestPage());
}

TEST(BoxScoreHtml, AnAppendedPageHasNoHead) {
    const std::string page = pageOf(boxScoreTestGame(), false);
    EXPECT_EQ(std::string(kHead) + page, boxScoreTestPage());
}

// ---- pages that must hold certain pieces ----

struct PageCase {
    const char* what;
    std::function<Game()> make;
    std::vector<std::string> holds;
    std::vector<std::string> holdsNot;
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.what; }

// The period row of one side in the golden style: seven cells of points.
std::string periodRow(const std::string& label, std::vector<int> points) {
    const std::string normal = "<tt><font color=000000 size=2>";
    std::string row = "\n<tr><td>" + normal + label + "</font></tt></td>";
    for (const int p : points) row += "<td align=middle>" + normal + std::to_string(p) + "</font></tt></td>";
    return row + "</tr>";
}

class BoxScorePage : public ::testing::TestWithParam<PageCase> {};

TEST_P(BoxScorePage, HoldsItsPieces) {
    const std::string page = pageOf(GetParam().make());
    for (const std::string& piece : GetParam().holds) EXPECT_NE(page.find(piece), std::string::npos) << piece;
    for (const std::string& piece : GetParam().holdsNot)
        EXPECT_EQ(page.find(piece), std::string::npos) << piece;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoxScorePage,
    ::testing::Values(PageCase{"halves stand under quarters one and three",
                               [] {
                                   Game g = game(team("Hawks", 1), team("Owls", 1), true);
                                   g.addHomeEvent(play("Hawks Player 1", Shot, TwoPointMade, 0, 3));
                                   g.addHomeEvent(play("Hawks Player 1", Shot, ThreePointMade, 2, 3));
                                   g.addHomeEvent(play("Hawks Player 1", Shot, FreeThrowMade, 6, 3));
                                   return g;
                               },
                               {">Qtr1<", ">Qtr4<", periodRow("Home: Hawks", {2, 0, 3, 0, 0, 0, 6}),
                                periodRow("Visitor: Owls", {0, 0, 0, 0, 0, 0, 0})},
                               {"Half1"}},
                      PageCase{"record texts are escaped",
                               [] {
                                   Game g =
                                       game(team("Smith & Sons", {player("A<B>", 8)}), team("\"Owls\"", 1));
                                   g.court = "<b>Gym";
                                   g.attendance = "1 < 2";
                                   g.referee1 = "R&R";
                                   g.fileName = "/games/a&b.gam";
                                   return g;
                               },
                               {"<center>a&amp;b.gam<br>Smith &amp; Sons vs &quot;Owls&quot;<br>",
                                "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&lt;b&gt;Gym<p>", "A&lt;B&gt; #8",
                                "Home Game Stats for Smith &amp; Sons [vs &quot;Owls&quot;]",
                                "Attendance:  1 &lt; 2  &nbsp;&nbsp; Officials:    R&amp;R" +
                                    std::string(22, ' ') + ", "},
                               {"<b>Gym", "A<B>", "Smith & Sons"}},
                      PageCase{"record texts stay in the records' single bytes",
                               [] {
                                   Game g = game(team("H\xE9rons", 1), team("Owls", 1));
                                   g.fileName = "/games/h\xC3\xA9rons.gam";
                                   return g;
                               },
                               {"<center>h\xE9rons.gam<br>H\xE9rons vs Owls"},
                               {"\xC3\xA9"}}),
    NameFromWhat());

}  // namespace
}  // namespace courtlog
