// What the score sheets print and where: blocks, figures per block, foul
// crosses, the game and final score lines, columns and rows, and pages.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/output/ScoreSheetContent.h"
#include "core/output/ScoreSheetLayout.h"

namespace courtlog::output {
namespace {

using courtlog::testing::play;
using scoring::ShootingFigures;

TEST(ScoreSheet, BlockTitlesAndWherePeriodsCount) {
    using Titles = std::vector<std::string>;
    EXPECT_EQ(scoreSheetBlockTitles(false, false),
              (Titles{"1st Quarter", "2nd Quarter", "3rd Quarter", "4th Quarter", "Game Totals"}));
    EXPECT_EQ(scoreSheetBlockTitles(false, true),
              (Titles{"1st Quarter", "2nd Quarter", "3rd Quarter", "4th Quarter", "Over Time", "Game Totals"}));
    EXPECT_EQ(scoreSheetBlockTitles(true, false), (Titles{"1st Half", "2nd Half", "Game Totals"}));
    EXPECT_EQ(scoreSheetBlockTitles(true, true), (Titles{"1st Half", "2nd Half", "Over Time", "Game Totals"}));

    const struct {
        int period;
        bool halves;
        int block;
    } cases[] = {{0, false, 0}, {3, false, 3}, {4, false, 4}, {9, false, 4}, {-1, false, -1},
                 {1, true, 0},  {2, true, 1},  {3, true, 1},  {5, true, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(scoreSheetBlockOf(c.period, c.halves), c.block) << c.period << (c.halves ? " in halves" : "");

    const FoulPen pens[] = {FoulPen::Green, FoulPen::DarkBlue, FoulPen::Purple, FoulPen::Red, FoulPen::Red};
    for (int period = 0; period < 5; ++period) EXPECT_EQ(personalFoulPen(period), pens[period]) << period;
}

TEST(ScoreSheet, GameAndFinalScoreLines) {
    Game game = courtlog::testing::game("Eagles", "Ravens", {play("Eagles Player 1", Shot, ThreePointMade)},
                                        {play("Ravens Player 2", Shot, TwoPointMade)});
    game.court = "Town Hall";
    game.hour = 7;
    game.minute = 5;
    ScoreSheetContent content = scoreSheetContent(game);
    EXPECT_EQ(content.gameLine, "Eagles vs Ravens ,scored on 3/14/2024 at 7:05 Town Hall");
    EXPECT_EQ(content.finalScore[0], "Final Score, Eagles" + std::string(20, ' ') + "3");
    EXPECT_EQ(content.finalScore[1], "Ravens" + std::string(20, ' ') + "2");
    game.hour = 19;
    game.minute = 30;
    EXPECT_EQ(scoreSheetGameLine(game), "Eagles vs Ravens ,scored on 3/14/2024 at 19:30 Town Hall");
}

// Ann: seven fouls over the periods, three player technicals and one on the
// bench; shots in both overtimes. Bo ("00") shoots in regulation only; a
// player no longer on the roster counts in the team total.
Game markedGame(bool halves) {
    Game game = courtlog::testing::game(
        courtlog::testing::team("Eagles", {courtlog::testing::player("Ann", 12, 3), courtlog::testing::player("Bo", -1, 1)}),
        courtlog::testing::team("Ravens", 5), halves);
    for (int period : {0, 0, 1, 2, 3, 4, 5}) game.addHomeEvent(play("Ann", Foul, DefensiveFoul, period));
    for (int kind : {PlayerTechnical, TechnicalOnBench, PlayerTechnical, PlayerTechnical})
        game.addHomeEvent(play("Ann", TechnicalFoul, kind, 1));
    for (auto [result, period] : {std::pair{TwoPointMade, 4}, {ThreePointMade, 5}, {FreeThrowMade, 5},
                                  {FreeThrowMissed, 4}, {TwoPointMade, 7}})
        game.addHomeEvent(play("Ann", Shot, result, period));
    for (auto [result, period] : {std::pair{TwoPointMade, 0}, {ThreePointMade, 1}, {FreeThrowMade, 2},
                                  {TwoPointMade, 3}, {TwoPointMissed, 2}})
        game.addHomeEvent(play("Bo", Shot, result, period));
    game.addHomeEvent(play("Traded Away", Shot, TwoPointMade, 0));
    return game;
}

TEST(ScoreSheet, RowsHoldEachBlocksFiguresAndAtMostSixFoulsAndTwoTechnicals) {
    const ScoreSheetContent quarters = scoreSheetContent(markedGame(false));
    ASSERT_EQ(quarters.blockTitles.size(), 6u);
    ASSERT_EQ(quarters.home.rows.size(), 2u);
    const ScoreSheetRow& ann = quarters.home.rows[0];
    EXPECT_EQ(ann.position, "F");
    EXPECT_EQ(ann.number, "12");
    EXPECT_EQ(ann.personalCrosses, (std::vector<FoulPen>{FoulPen::Green, FoulPen::Green, FoulPen::DarkBlue,
                                                         FoulPen::Purple, FoulPen::Red, FoulPen::Red}));
    EXPECT_EQ(ann.technicalCrosses, 2);
    // Both overtimes (and a third) in the one "Over Time" block and in the totals.
    const ShootingFigures overtime{2, 1, 2, 1, 8};
    EXPECT_EQ(ann.blocks[4], overtime);
    EXPECT_EQ(ann.blocks[5], overtime);
    EXPECT_EQ(ann.blocks[0], ShootingFigures{});

    const ScoreSheetRow& bo = quarters.home.rows[1];
    EXPECT_EQ(bo.number, "00");
    EXPECT_EQ(bo.blocks[1], (ShootingFigures{0, 1, 0, 0, 3}));
    EXPECT_EQ(bo.blocks[5], (ShootingFigures{2, 1, 1, 1, 8}));
    EXPECT_EQ(quarters.home.teamTotal[0], (ShootingFigures{2, 0, 0, 0, 4}));
    EXPECT_EQ(quarters.home.teamTotal[5], (ShootingFigures{5, 2, 3, 2, 18}));

    // The visitors played no overtime play, yet their sheet has the block too.
    EXPECT_EQ(quarters.visitor.teamTotal.size(), 6u);
    EXPECT_EQ(quarters.visitor.rows.size(), 5u);

    // In halves the third period is the second half's.
    const ScoreSheetContent halves = scoreSheetContent(markedGame(true));
    ASSERT_EQ(halves.blockTitles, (std::vector<std::string>{"1st Half", "2nd Half", "Over Time", "Game Totals"}));
    EXPECT_EQ(halves.home.rows[1].blocks[0], (ShootingFigures{1, 1, 0, 0, 5}));
    EXPECT_EQ(halves.home.rows[1].blocks[1], (ShootingFigures{1, 0, 1, 1, 3}));
}

// A page 1000 high and 1000 wide from (0, 0); m = 5, L = 20, S = 15,
// footer text 20: the grid's top at 120, the heading line at 200, the
// first row at 205.
ScoreSheetMeasures measures(int height = 1000) { return {0, 0, 1000, height, 10, 20, 15, 20}; }

TEST(ScoreSheetLayout, ColumnsInUnitsOfHalfADoubleZero) {
    const ScoreSheetLayout layout(measures(), 6);
    EXPECT_EQ(layout.positionLeft(), 30);
    EXPECT_EQ(layout.nameLeft(), 51);
    EXPECT_EQ(layout.numberLeft(), 140);
    EXPECT_EQ(layout.foulBoxLeft(0), 160);
    EXPECT_EQ(layout.foulBoxLeft(3), 205);
    EXPECT_EQ(layout.foulBoxWidth(), 10);
    EXPECT_EQ(layout.blockLeft(0), 225);
    EXPECT_EQ(layout.columnLeft(1, 3), 365);
    EXPECT_EQ(layout.gridRight(), 750);
    EXPECT_TRUE(layout.fitsAcross());
    EXPECT_FALSE(ScoreSheetLayout({0, 0, 1000, 1000, 14, 20, 15, 20}, 6).fitsAcross());
    EXPECT_EQ(layout.teamNameTop(), 80);
    EXPECT_EQ(layout.firstRowTop(), 205);
    EXPECT_EQ(layout.separator(layout.rowTop(1)), 321);

    // Base, small, team name, thin and thick pen: a 65th of the width in
    // halves, a 75th in quarters.
    for (const auto& [halves, sizes] : {std::pair{true, std::vector<int>{20, 15, 25, 2, 4}},
                                        std::pair{false, std::vector<int>{17, 12, 21, 1, 3}}}) {
        const ScoreSheetSizes s = scoreSheetSizes(1300, halves);
        EXPECT_EQ((std::vector<int>{s.base, s.small, s.teamName, s.thinPen, s.thickPen}), sizes);
    }
    EXPECT_EQ(blankSheetPageCount(0), 1);
    EXPECT_EQ(blankSheetPageCount(12), 9);
}

TEST(ScoreSheetLayout, RowsPerPageLeaveRoomForTheClosingAboveTheFooter) {
    // Ten rows: the team total row closes at 861, the final score lines end
    // at 911, the footer starts at 960; an eleventh row would reach 971.
    const struct {
        int height, rows;
    } cases[] = {{1000, 10}, {1020, 10}, {1021, 11}, {1060, 11}, {300, 1}};
    for (const auto& c : cases) EXPECT_EQ(ScoreSheetLayout(measures(c.height), 6).rowsPerPage(), c.rows) << c.height;
    const ScoreSheetLayout layout(measures(), 6);
    EXPECT_EQ(layout.closingRule(10, true), 861);
    EXPECT_EQ(layout.finalScoreTop(10, true, 1), 891);
    EXPECT_EQ(layout.closingRule(10, false), 801);
}

// A page of 200 x 280 mm at ten units a millimetre; labels "P6" 25 wide.
TEST(ScoreSheetLayout, ABlankSheetIsLaidOutForAPenAcrossTheWholeWidth) {
    ScoreSheetMeasures page{0, 0, 2000, 2800, 10, 20, 15, 20};
    page.unitsPerMillimetre = 10;
    page.foulLabelWidth = 25;
    for (const int blocks : {3, 5}) {
        SCOPED_TRACE(blocks);
        const ScoreSheetLayout layout(page, blocks, ScoreSheetForm::Blank);
        // From a millimetre inside the left edge to one inside the right.
        EXPECT_EQ(layout.positionLeft(), 10);
        EXPECT_EQ(layout.gridRight(), 1990);
        EXPECT_EQ(layout.nameLeft(), 90);
        // 8 + 9 mm and four boxes of 5 mm, each after its label: 1980 - 80 -
        // 90 - 384 leaves 1426, a quarter of it for the names.
        EXPECT_EQ(layout.numberLeft(), 446);
        EXPECT_EQ(layout.foulsLeft(), 536);
        EXPECT_EQ(layout.foulBoxWidth(), 50);
        EXPECT_EQ(layout.foulBoxHeight(), 50);
        for (int box = 0; box < 4; ++box) {
            EXPECT_EQ(layout.foulLabelLeft(box), 548 + 93 * box);
            EXPECT_EQ(layout.foulBoxLeft(box), layout.foulLabelLeft(box) + 31);
        }
        EXPECT_EQ(layout.blockLeft(0), 920);
        EXPECT_NEAR(layout.columnLeft(1, 1) - layout.columnLeft(1, 0), 1070.0 / (5 * blocks), 1);
        // Room to write the game and the team above the grid.
        EXPECT_EQ(layout.gameLineTop(true), 90);
        EXPECT_EQ(layout.teamLineTop(), 170);
        EXPECT_EQ(layout.gridTop(), 220);
        // Rows of 12.4 mm: two lines of boxes with 0.8 mm of air around them.
        EXPECT_EQ(layout.rowHeight(), 124);
        EXPECT_EQ(layout.foulLineTop(layout.rowTop(0), 0), layout.rowTop(0) + 8);
        EXPECT_EQ(layout.foulLineTop(layout.rowTop(0), 1), layout.rowTop(0) + 66);
        EXPECT_EQ(layout.separator(layout.rowTop(2)), layout.rowTop(3));
        // Seventeen rows and the team total end at 305 + 18 x 124 = 2537;
        // the final score lines end at 2537 + 60 + 20 + 50 + 20 = 2687, above
        // the footer at 2760.
        EXPECT_EQ(layout.rowsPerPage(), 17);
        EXPECT_EQ(layout.closingRule(17, true), 2537);
        EXPECT_EQ(layout.finalScoreTop(17, true, 1), 2667);
    }
}

struct PagesCase {
    const char* what;
    SheetTeams teams;
    int homeRows, visitorRows;
    std::vector<ScoreSheetPage> pages;
};
void PrintTo(const PagesCase& c, std::ostream* os) { *os << c.what; }

class ScoreSheetPaging : public ::testing::TestWithParam<PagesCase> {};

TEST_P(ScoreSheetPaging, TenRowsAPage) {
    const PagesCase& c = GetParam();
    EXPECT_EQ(scoreSheetPages(c.teams, c.homeRows, c.visitorRows, 10), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScoreSheetPaging,
    ::testing::Values(PagesCase{"both: home first, visitors on a fresh page", SheetTeams::Both, 15, 12,
                                {{true, 0, 10}, {true, 10, 5}, {false, 0, 10}, {false, 10, 2}}},
                      PagesCase{"home only", SheetTeams::Home, 3, 20, {{true, 0, 3}}},
                      PagesCase{"visitors exactly two pages", SheetTeams::Visitor, 3, 20,
                                {{false, 0, 10}, {false, 10, 10}}},
                      PagesCase{"empty roster still gets its totals", SheetTeams::Both, 0, 4,
                                {{true, 0, 0}, {false, 0, 4}}}),
    courtlog::testing::NameFromWhat{});

}  // namespace
}  // namespace courtlog::output
