#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/PlayerEntry.h"
#include "core/records/Team.h"

using namespace courtlog;

TEST(PlayerEntry, NamesMustBeGivenAndUniqueOnTheTeam) {
    Team team;
    team.addPlayer(courtlog::testing::player("Jones", -1, 0), PersonalInfo{});
    team.addPlayer(courtlog::testing::player("Smith", -1, 0), PersonalInfo{});
    const struct {
        const char* name;
        int except;
        PlayerNameProblem expected;
    } cases[] = {
        {"", -1, PlayerNameProblem::Empty},      {"   ", -1, PlayerNameProblem::Empty},
        {"Jones", -1, PlayerNameProblem::Taken}, {"Jones", 0, PlayerNameProblem::None},  // his own name
        {"Jones", 1, PlayerNameProblem::Taken},  {"jones", -1, PlayerNameProblem::None},  // case counts
        {"Brown", -1, PlayerNameProblem::None},
    };
    for (const auto& c : cases) EXPECT_EQ(checkPlayerName(team.players, c.name, c.except), c.expected) << c.name;
}
