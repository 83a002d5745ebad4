#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/ConsoleRules.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

using courtlog::testing::play;
using courtlog::testing::player;

}  // namespace

TEST(ConsoleRules, FoulWindowsFollowHalvesQuartersAndOvertime) {
    struct Case {
        int period;
        bool halves, perQuarter;
        int low, high;
    };
    const Case cases[] = {
        {0, false, true, 0, 0}, {3, false, true, 3, 3}, {5, false, true, 5, 5},  // a quarter
        {1, false, false, 0, 1}, {3, false, false, 2, 3}, {5, false, false, 2, 5},  // a half, in quarters
        {0, true, true, 0, 1},   {2, true, true, 2, 2},   {6, true, true, 2, 6},    // a game in halves
    };
    for (const Case& c : cases) {
        const PeriodWindow w = foulWindow(c.period, c.halves, c.perQuarter);
        EXPECT_EQ(w.low, c.low) << c.period;
        EXPECT_EQ(w.high, c.high) << c.period;
    }
    EXPECT_EQ(timeOutWindow(5, false).low, 0);
    EXPECT_EQ(timeOutWindow(5, false).high, 5);
    EXPECT_EQ(timeOutWindow(1, true).high, 1);
    EXPECT_EQ(timeOutWindow(2, true).low, 2);
}

TEST(ConsoleRules, TeamFoulsCountFoulsOnlyInTheirWindowAndPersonalFoulsAddTechnicals) {
    Game game;
    game.home.addPlayer(player("Ann", 4, 0, 1), PersonalInfo::blank());
    for (int period : {1, 2, 3, 5, 6}) game.addHomeEvent(play("Ann", Foul, 0, period));
    game.addHomeEvent(play("Ann", TechnicalFoul, 0, 3));
    game.addHomeEvent(play("ann", Foul, 0, 3));  // another name
    LeagueOptions league;
    league.bonusPerQuarter = false;
    league.doubleBonusPerQuarter = true;
    game.currentPeriod = 3;
    EXPECT_EQ(teamFouls(game, true, league), 3);  // periods 2 and 3
    EXPECT_EQ(doubleBonusFouls(game, true, league), 2);
    game.currentPeriod = 5;
    EXPECT_EQ(teamFouls(game, true, league), 4);  // periods 2 to 5, whoever fouled
    EXPECT_EQ(doubleBonusFouls(game, true, league), 1);
    EXPECT_EQ(teamFouls(game, false, league), 0);
    EXPECT_EQ(personalFouls(game, true, "Ann"), 6);
    EXPECT_EQ(personalFouls(game, false, "Ann"), 0);
}

TEST(ConsoleRules, BonusShowsOnTheHalfOfTheTeamThatProfitsFromTheOpponentsFouls) {
    Game game;
    LeagueOptions league;
    league.bonusAfter = 2;
    league.doubleBonusAfter = 3;
    league.doubleBonusPerQuarter = true;
    game.addVisitorEvent(play("V", Foul, 0, 0));
    EXPECT_EQ(bonusText(game, true, league), "");
    game.addVisitorEvent(play("V", Foul, 0, 0));
    EXPECT_EQ(bonusText(game, true, league), "BONUS");
    EXPECT_EQ(bonusText(game, false, league), "");
    game.addVisitorEvent(play("V", Foul, 0, 0));
    EXPECT_EQ(bonusText(game, true, league), "DOUBLE BONUS");
    game.currentPeriod = 1;  // a new quarter starts clean
    EXPECT_EQ(bonusText(game, true, league), "");
    league.bonusAfter = 0;  // no value chosen never applies
    EXPECT_EQ(bonusText(game, false, league), "");
}

TEST(ConsoleRules, TimeOutsPerGameAndPerHalf) {
    Game game;
    LeagueOptions league;
    league.fullTimeOuts = 4;
    for (int i = 0; i < 4; ++i) game.addHomeEvent(play("", TimeOut, 0, 1));
    game.addHomeEvent(play("", ShortTimeOut, 0, 1));
    game.currentPeriod = 3;
    EXPECT_EQ(timeOutsLeft(game, true, false, league), 0);
    EXPECT_EQ(timeOutsLeft(game, true, true, league), 1);
    league.fullTimeOutsPerHalf = true;
    EXPECT_EQ(timeOutsLeft(game, true, false, league), 4);
    game.currentPeriod = 0;  // a time out recorded in a later period is not counted
    league.fullTimeOutsPerHalf = false;
    EXPECT_EQ(timeOutsLeft(game, true, false, league), 4);
    league.fullTimeOuts = 2;
    game.currentPeriod = 1;
    EXPECT_EQ(timeOutsLeft(game, true, false, league), 0);  // never below zero
}

TEST(ConsoleRules, PeriodsStepThroughHalvesAndQuarters) {
    EXPECT_EQ(nextPeriod(0, true), 2);
    EXPECT_EQ(nextPeriod(2, true), 4);
    EXPECT_EQ(nextPeriod(4, true), 5);
    EXPECT_EQ(previousPeriod(4, true), 2);
    EXPECT_EQ(previousPeriod(2, true), 0);
    EXPECT_EQ(previousPeriod(0, true), 0);
    EXPECT_EQ(previousPeriod(1, true), 0);
    EXPECT_EQ(nextPeriod(1, false), 2);
    EXPECT_EQ(previousPeriod(8, false), 7);
}

TEST(ConsoleRules, PeriodGroupCaptionsLabelsAndCheck) {
    EXPECT_EQ(periodGroup(2, false), (PeriodGroup{"Quarter", {"1", "2", "3", "4"}, 3}));
    EXPECT_EQ(periodGroup(2, true), (PeriodGroup{"Half", {"1", " ", "2", " "}, 3}));
    EXPECT_EQ(periodGroup(4, true), (PeriodGroup{"Overtime", {"1", "2", "3", "4"}, 1}));
    EXPECT_EQ(periodGroup(7, false), (PeriodGroup{"Overtime", {"1", "2", "3", "4"}, 4}));
    EXPECT_EQ(periodGroup(8, false), (PeriodGroup{"Overtime 5", {"1", "2", "3", "4"}, 0}));
}

TEST(ConsoleRules, LabelsAndBenchMarkFoulTroubleAndFouledOut) {
    Game game;
    game.home.addPlayer(player("Ann", 4, 0, 3), PersonalInfo::blank());
    game.home.addPlayer(player("Bea", -1, 0, 0), PersonalInfo::blank());
    game.home.addPlayer(player("Cat", 12, 0, 0), PersonalInfo::blank());
    game.home.addPlayer(player("Dot", -1, 0, 1), PersonalInfo::blank());
    for (int i = 0; i < 4; ++i) game.addHomeEvent(play("Ann", Foul, 0, 0));
    game.addHomeEvent(play("Ann", TechnicalFoul, 0, 0));
    for (int i = 0; i < 5; ++i) game.addHomeEvent(play("Cat", Foul, 0, 0));
    for (int i = 0; i < 5; ++i) game.addHomeEvent(play("Dot", Foul, 0, 0));
    game.addHomeEvent(play("Bea", Foul, 0, 0));
    LeagueOptions league;
    const TeamConsoleFigures figures = teamConsoleFigures(game, true, league);
    ASSERT_EQ(figures.onCourt.size(), 2u);
    EXPECT_EQ(figures.onCourt[0].slot, 1);
    EXPECT_EQ(figures.onCourt[0].text, "#00 Fouled Out!");
    EXPECT_EQ(figures.onCourt[1].slot, 3);
    EXPECT_EQ(figures.onCourt[1].text, "# 4 Fouled Out!");
    EXPECT_TRUE(figures.onCourt[1].red);
    ASSERT_EQ(figures.bench.size(), 2u);
    EXPECT_EQ(figures.bench[0].text, "00-Bea");
    EXPECT_FALSE(figures.bench[0].fouledOut);
    EXPECT_EQ(figures.bench[1].text, "12-Cat, OUT!");
    EXPECT_EQ(figures.bench[1].rosterIndex, 2);
    league.foulOutAfter = 6;
    const TeamConsoleFigures later = teamConsoleFigures(game, true, league);
    EXPECT_EQ(later.onCourt[1].text, " 4-Ann");
    EXPECT_TRUE(later.onCourt[1].red);
    EXPECT_EQ(later.bench[1].text, "12-Cat");
}

TEST(ConsoleRules, TheFirstRosterPlayerInASlotHoldsTheButton) {
    Team team;
    team.addPlayer(player("A", 1, 0, 0), PersonalInfo::blank());
    team.addPlayer(player("B", 2, 0, 2), PersonalInfo::blank());
    team.addPlayer(player("C", 3, 0, 2), PersonalInfo::blank());
    EXPECT_EQ(rosterIndexInSlot(team, 2), 1);
    EXPECT_EQ(rosterIndexInSlot(team, 4), -1);
}
