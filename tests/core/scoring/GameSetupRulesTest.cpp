#include "core/scoring/GameSetupRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/records/Codes.h"

using namespace courtlog;
using namespace courtlog::scoring;

namespace {

using courtlog::testing::player;
using courtlog::testing::playBy;

Team teamWithSlots(const std::vector<int>& slots) {
    Team team;
    int n = 1;
    for (int slot : slots) team.players.push_back(player("P" + std::to_string(n), n, 0, slot)), ++n;
    team.personalInfo.resize(team.players.size());
    return team;
}

TEST(StartingLineup, EachSlotOnceIsTheOnlyGoodLineup) {
    struct Case {
        std::vector<int> slots;
        LineupProblem expected;
    } cases[] = {
        {{1, 2, 3, 4, 5}, LineupProblem::None},
        {{0, 5, 4, 0, 3, 2, 1}, LineupProblem::None},
        {{1, 2, 3, 4}, LineupProblem::Incomplete},
        {{}, LineupProblem::Incomplete},
        {{1, 1, 2, 3, 4, 5}, LineupProblem::Duplicates},
        // The lowest slot that is wrong decides.
        {{1, 2, 2, 4}, LineupProblem::Duplicates},
        {{2, 2, 3, 4, 5}, LineupProblem::Incomplete},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkStartingLineup(teamWithSlots(c.slots)), c.expected)
            << "slots " << ::testing::PrintToString(c.slots);
    }
}

TEST(RenameEditedPlayers, SwappedNamesNeverMergeTwoPlayers) {
    Game game;
    game.home = teamWithSlots({1, 2, 3});
    game.home.players[0] = player("Alpha", 4, 0, 1);
    game.home.players[1] = player("Bravo", 5, 0, 2);
    game.setEvents(true, {playBy(game.home.players[0], Foul), playBy(game.home.players[1], Steal),
                          playBy(game.home.players[1], Assist)});

    std::vector<Player> edited = game.home.players;
    edited[0].name = "Bravo";
    edited[1].name = "Alpha";
    renameEditedPlayers(game, true, edited);

    EXPECT_EQ(game.home.players[0].name, "Bravo");
    EXPECT_EQ(game.home.players[1].name, "Alpha");
    // Alpha's foul now belongs to Bravo (same player, new name), and the
    // other two plays to Alpha: nothing merged.
    EXPECT_EQ(game.homeEvents()[0].player.name, "Bravo");
    EXPECT_EQ(game.homeEvents()[1].player.name, "Alpha");
    EXPECT_EQ(game.homeEvents()[2].player.name, "Alpha");
}

TEST(RenameEditedPlayers, OnlyChangedPlayersAreTouchedAndNumbersFollow) {
    Game game;
    game.visitor = teamWithSlots({1, 2});
    game.visitor.players[0] = player("Cole", 10, 0, 1);
    game.visitor.players[1] = player("Dane", 11, 0, 2);
    game.setEvents(false, {playBy(game.visitor.players[0], Rebound)});
    game.setEvents(true, {playBy(player("Cole", 10, 0, 0), Rebound)});  // a namesake on the other side

    std::vector<Player> edited = game.visitor.players;
    edited[0].number = -1;  // "00"
    renameEditedPlayers(game, false, edited);

    EXPECT_EQ(game.visitor.players[0].number, -1);
    EXPECT_EQ(game.visitorEvents()[0].player.number, -1);
    EXPECT_EQ(game.visitor.players[1], player("Dane", 11, 0, 2));
    EXPECT_EQ(game.homeEvents()[0].player.number, 10);
}

TEST(PeriodAfterSwitchToHalves, QuartersFoldIntoTheirHalf) {
    const int expected[] = {0, 0, 2, 2, 4, 5, 6};
    for (int period = 0; period < 7; ++period)
        EXPECT_EQ(periodAfterSwitchToHalves(period), expected[period]) << period;
}

}  // namespace
