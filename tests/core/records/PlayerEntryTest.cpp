#include <gtest/gtest.h>

#include <ostream>

#include "CaseNames.h"
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
        {"Brown", -1, PlayerNameProblem::None},  {"Jones ", -1, PlayerNameProblem::Taken},  // blanks do not count
        {" Smith", -1, PlayerNameProblem::Taken},
    };
    for (const auto& c : cases) EXPECT_EQ(checkPlayerName(team.players, c.name, c.except), c.expected) << c.name;
}

struct TrimCase {
    const char* what;
    const char* typed;
    std::size_t maxChars;
    const char* stored;
};
void PrintTo(const TrimCase& c, std::ostream* out) { *out << c.what; }

const TrimCase kTrimCases[] = {
    {"blanks and tabs around dropped, inside kept", " \t Ari  Solberg ", 24, "Ari  Solberg"},
    {"cut after trimming", "   Abcdef", 3, "Abc"},
    {"blank left by the cut dropped", "Ab cd", 3, "Ab"},
    {"only blanks is empty", "   ", 24, ""},
};

class TypedNames : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TypedNames, AreStoredWithoutBlanksAround) {
    EXPECT_EQ(trimmedName(GetParam().typed, GetParam().maxChars), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Names, TypedNames, ::testing::ValuesIn(kTrimCases), courtlog::testing::NameFromWhat{});
