#include "core/records/UniformChoice.h"

#include <gtest/gtest.h>

#include "CaseNames.h"
#include "RecordBuilders.h"

using namespace courtlog;
using courtlog::testing::NameFromWhat;
using courtlog::testing::player;

namespace {

// Ann #7, Bo 00 (stored -1), Cy #0, Di 00 (a foreign file's -4).
const std::vector<Player> kTeam{player("Ann", 7), player("Bo", -1), player("Cy", 0), player("Di", -4)};

struct ShareCase {
    const char* what;
    int index;  // the player given the number, -1 for a new one
    int number;
    bool shares;
};

class SharedUniform : public ::testing::TestWithParam<ShareCase> {};

TEST_P(SharedUniform, IsPointedOutOnlyWhenTheNumberIsNewToThePlayer) {
    EXPECT_EQ(wouldShareUniform(kTeam, GetParam().index, GetParam().number), GetParam().shares);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, SharedUniform,
    ::testing::Values(ShareCase{"new player takes a worn number", -1, 7, true},
                      ShareCase{"new player takes a free number", -1, 8, false},
                      ShareCase{"zero is not double zero", -1, 0, true},
                      ShareCase{"double zero worn under any negative number", -1, -1, true},
                      ShareCase{"player keeps his own number", 0, 7, false},
                      ShareCase{"player moves onto another's number", 0, 0, true},
                      ShareCase{"double zero already shared is not news", 1, -1, false},
                      ShareCase{"index beyond the roster counts as new", 9, 7, true},
                      ShareCase{"the last uniform is free", 2, 99, false}),
    NameFromWhat{});

TEST(UniformChoice, TheWearerFoundIsTheFirstOtherPlayer) {
    EXPECT_EQ(playerWearing(kTeam, -1), 1u);
    EXPECT_EQ(playerWearing(kTeam, -7, 1), 3u);
    EXPECT_EQ(playerWearing(kTeam, 7, 0), std::nullopt);
    EXPECT_EQ(playerWearing({}, 7), std::nullopt);
}

struct FreeCase {
    const char* what;
    std::vector<int> worn;
    int free;
};

class FreeUniform : public ::testing::TestWithParam<FreeCase> {};

TEST_P(FreeUniform, FollowsTheOrderOfTheUniformList) {
    std::vector<Player> players;
    for (int number : GetParam().worn) players.push_back(player("P" + std::to_string(players.size()), number));
    EXPECT_EQ(firstFreeUniform(players), GetParam().free);
}

std::vector<int> wornFromDoubleZeroTo(int last) {
    std::vector<int> worn{-1};
    for (int n = 0; n <= last; ++n) worn.push_back(n);
    return worn;
}

INSTANTIATE_TEST_SUITE_P(Rosters, FreeUniform,
                         ::testing::Values(FreeCase{"empty roster starts at double zero", {}, -1},
                                           FreeCase{"double zero worn gives zero", {-1}, 0},
                                           FreeCase{"a damaged negative number wears double zero", {-3, 0}, 1},
                                           FreeCase{"a gap is filled first", {-1, 0, 1, 3}, 2},
                                           FreeCase{"numbers beyond the list do not count", {-1, 0, 100}, 1},
                                           FreeCase{"only ninety nine left", wornFromDoubleZeroTo(98), 99},
                                           FreeCase{"every uniform worn falls back to double zero",
                                                    wornFromDoubleZeroTo(99), -1}),
                         NameFromWhat{});

}  // namespace
