#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/scoring/SheetFigures.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

using courtlog::testing::player;

// Unlike the shared play(), the result goes to the shot result whatever the
// kind: the sheet reads the shot result alone, which one test relies on.
PlayEvent play(const std::string& name, int kind, int shotResult, int period) {
    PlayEvent e;
    e.player.name = name;
    e.kind = static_cast<std::int16_t>(kind);
    e.shotResult = static_cast<std::int16_t>(shotResult);
    e.period = static_cast<std::int16_t>(period);
    return e;
}

PlayEvent foul(const std::string& name, int period) { return play(name, Foul, NoShot, period); }

PlayEvent technical(const std::string& name, int technicalKind, int period) {
    PlayEvent e = play(name, TechnicalFoul, NoShot, period);
    e.technicalKind = static_cast<std::int16_t>(technicalKind);
    return e;
}

Game gameWith(const std::vector<PlayEvent>& homePlays, int currentPeriod = 0, bool halves = false) {
    Game game;
    game.home.name = "Eagles";
    game.home.coach = "R. Lund";
    game.home.addPlayer(player("Ann Berg", 4), PersonalInfo{});
    game.home.addPlayer(player("Bo Dahl", -1, 3), PersonalInfo{});
    game.setEvents(true, homePlays);
    game.currentPeriod = static_cast<std::int16_t>(currentPeriod);
    game.halves = halves ? 1 : 0;
    game.year = 2026;
    game.month = 3;
    game.day = 9;
    return game;
}

}  // namespace

TEST(SheetFigures, ThreeTwosAndOneOfTwoFreeThrowsShowInBothBlocks) {
    const Game game = gameWith({play("Ann Berg", Shot, TwoPointMade, 0), play("Ann Berg", Shot, TwoPointMade, 0),
                                play("Ann Berg", Shot, TwoPointMade, 0), play("Ann Berg", Shot, FreeThrowMade, 0),
                                play("Ann Berg", Shot, FreeThrowMissed, 0)});
    const TeamSheetFigures sheet = teamSheetFigures(game, true);
    ASSERT_EQ(sheet.rows.size(), 2u);
    const ShootingFigures expected{3, 0, 2, 1, 7};
    EXPECT_EQ(sheet.rows[0].thisPeriod, expected);
    EXPECT_EQ(sheet.rows[0].game, expected);
    EXPECT_EQ(sheet.rows[1].game, ShootingFigures{});
    EXPECT_EQ(sheet.teamName, "Eagles");
    EXPECT_EQ(sheet.coach, "R. Lund");
    EXPECT_EQ(sheet.dateText, "3/9/2026");
    EXPECT_EQ(sheet.rows[1].number, -1);
}

TEST(SheetFigures, CurrentPeriodBlockCountsOnlyThatPeriod) {
    // Quarters, third overtime: the first block is the plays of period 6 only.
    const Game game = gameWith({play("Ann Berg", Shot, ThreePointMade, 3), play("Ann Berg", Shot, TwoPointMade, 6),
                                play("Ann Berg", Shot, FreeThrowMissed, 6), play("Ann Berg", Shot, TwoPointMissed, 6)},
                               6);
    const SheetRow row = teamSheetFigures(game, true).rows[0];
    EXPECT_EQ(row.thisPeriod, (ShootingFigures{1, 0, 1, 0, 2}));
    EXPECT_EQ(row.game, (ShootingFigures{1, 1, 1, 0, 5}));
}

TEST(SheetFigures, FiguresFollowTheShotResultNotTheKindAndMatchNamesExactly) {
    Game game = gameWith({play("Ann Berg", Rebound, ThreePointMade, 0), play("ann berg", Shot, TwoPointMade, 0),
                          play("Ann Berg ", Shot, TwoPointMade, 0)});
    EXPECT_EQ(teamSheetFigures(game, true).rows[0].game, (ShootingFigures{0, 1, 0, 0, 3}));
    // The visitor's sheet reads the visitor's plays only.
    game.visitor.addPlayer(player("Ann Berg", 9), PersonalInfo{});
    EXPECT_EQ(teamSheetFigures(game, false).rows[0].game, ShootingFigures{});
}

TEST(SheetFigures, PeriodTitlesInQuartersAndHalves) {
    struct Case {
        int period;
        bool halves;
        const char* title;
    };
    const Case cases[] = {
        {0, false, "1st Quarter"}, {1, false, "2nd Quarter"}, {2, false, "3rd Quarter"}, {3, false, "4th Quarter"},
        {4, false, "Overtime"},    {6, false, "Overtime"},    {11, false, "Overtime"},   {0, true, "1st Half"},
        {2, true, "2nd Half"},     {4, true, "Overtime"},     {7, true, "Overtime"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sheetPeriodTitle(c.period, c.halves), c.title) << c.period << (c.halves ? " halves" : " quarters");
        EXPECT_EQ(teamSheetFigures(gameWith({}, c.period, c.halves), true).periodTitle, c.title);
    }
}

TEST(SheetFigures, SixFoulBoxesAndTwoTechnicalBoxesAtMost) {
    std::vector<PlayEvent> plays;
    for (int period : {0, 1, 2, 3, 5, 5, 6}) plays.push_back(foul("Ann Berg", period));
    plays.push_back(technical("Ann Berg", PlayerTechnical, 1));
    plays.push_back(technical("Ann Berg", TechnicalOnBench, 1));  // the bench's, not his
    plays.push_back(technical("Ann Berg", PlayerTechnical, 2));
    plays.push_back(technical("Ann Berg", PlayerTechnical, 3));
    const SheetRow row = teamSheetFigures(gameWith(plays), true).rows[0];
    EXPECT_EQ(row.personalFouls, 7);
    EXPECT_EQ(row.personalFoulPeriods, (std::vector<int>{0, 1, 2, 3, 5, 5}));
    EXPECT_EQ(row.playerTechnicals, 3);
    EXPECT_EQ(row.technicalPeriods, (std::vector<int>{1, 2}));
}

TEST(SheetFigures, DeletedPlayChangesBothBlocks) {
    Game game = gameWith({play("Ann Berg", Shot, TwoPointMade, 0), play("Ann Berg", Shot, ThreePointMade, 0)});
    EXPECT_EQ(teamSheetFigures(game, true).rows[0].thisPeriod.points, 5);
    game.setEvents(true, {game.homeEvents().begin() + 1, game.homeEvents().end()});
    const SheetRow row = teamSheetFigures(game, true).rows[0];
    EXPECT_EQ(row.thisPeriod, (ShootingFigures{0, 1, 0, 0, 3}));
    EXPECT_EQ(row.game, (ShootingFigures{0, 1, 0, 0, 3}));
}

TEST(SheetFigures, TwoPlayersOfOneNameShareTheirPlaysAsEachPlayIsHisByName) {
    Game game = gameWith({play("Ann Berg", Shot, TwoPointMade, 0), foul("Ann Berg", 0), play("Nobody", Shot, 1, 0)});
    game.home.addPlayer(player("Ann Berg", 12), PersonalInfo{});
    const TeamSheetFigures sheet = teamSheetFigures(game, true);
    ASSERT_EQ(sheet.rows.size(), 3u);
    for (const std::size_t row : {0u, 2u}) {
        EXPECT_EQ(sheet.rows[row].game.points, 2) << row;
        EXPECT_EQ(sheet.rows[row].personalFouls, 1) << row;
    }
    EXPECT_EQ(sheet.rows[1].game, ShootingFigures{});
}
