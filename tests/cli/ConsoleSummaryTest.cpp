#include <gtest/gtest.h>

#include "core/records/Codes.h"
#include "cli/ConsoleSummary.h"

using namespace courtlog;
using namespace courtlog::cli;

TEST(ConsoleSummary, ShowsWhatTheConsoleAndSheetsShow) {
    Game game;
    game.currentPeriod = 4;
    game.home.name = "Hawks";
    game.visitor.name = "Owls";
    Player alpha;
    alpha.name = "Alpha";
    alpha.number = 4;
    alpha.courtSlot = 1;
    Player bravo;
    bravo.name = "Bravo";
    bravo.number = 12;
    game.home.addPlayer(alpha, PersonalInfo::blank());
    game.home.addPlayer(bravo, PersonalInfo::blank());
    PlayEvent shot;
    shot.player = alpha;
    shot.kind = Shot;
    shot.shotResult = ThreePointMade;
    shot.period = 4;
    game.addHomeEvent(shot);
    shot.shotResult = FreeThrowMissed;
    game.addHomeEvent(shot);
    PlayEvent foul;
    foul.player = bravo;
    foul.kind = Foul;
    foul.period = 4;
    for (int i = 0; i < 5; ++i) game.addHomeEvent(foul);
    PlayEvent timeOut;
    timeOut.kind = TimeOut;
    game.addVisitorEvent(timeOut);

    const auto summary = consoleSummary(game, LeagueOptions{});
    EXPECT_EQ(summary["currentPeriod"], 4);
    EXPECT_EQ(summary["periodGroup"]["caption"], "Overtime");
    EXPECT_EQ(summary["periodGroup"]["checked"], 1);
    EXPECT_EQ(summary["sheetPeriodTitle"], "Overtime");
    const auto& home = summary["home"];
    EXPECT_EQ(home["name"], "Hawks");
    EXPECT_EQ(home["score"], 3);
    EXPECT_EQ(home["teamFouls"], 5);
    EXPECT_EQ(home["bonus"], "");
    EXPECT_EQ(summary["visitor"]["bonus"], "BONUS");
    EXPECT_EQ(summary["visitor"]["fullTimeOutsLeft"], 3);
    ASSERT_EQ(home["onCourt"].size(), 1u);
    EXPECT_EQ(home["onCourt"][0]["label"], " 4-Alpha");
    EXPECT_EQ(home["onCourt"][0]["color"], "black");
    ASSERT_EQ(home["bench"].size(), 1u);
    EXPECT_EQ(home["bench"][0], "12-Bravo, OUT!");
    EXPECT_EQ(home["players"][0]["thisPeriod"]["FTA"], 1);
    EXPECT_EQ(home["players"][0]["game"]["TP"], 3);
    EXPECT_EQ(home["players"][1]["personalFouls"], 5);
}
