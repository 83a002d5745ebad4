// The game selection's two lists, its OK checks, and the header it reads.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/records/GameFileHeader.h"
#include "core/stats/GameSelection.h"

namespace courtlog::stats {
namespace {

using Names = std::vector<std::string>;

// The games of the cases: A (H vs V), B (H vs X), C (X vs Z), D (a team
// called All Teams at home), E (a file that cannot be read).
const std::map<std::string, GameFileTeams> kGames{
    {"A", {"H", "V"}}, {"B", {"H", "X"}}, {"C", {"X", "Z"}}, {"D", {"All Teams", "V"}}, {"E", {"", ""}},
};

GameFileTeams teamsOf(const std::string& path) { return kGames.at(path); }

// "+A" adds game A, "-1" removes the game at index 1.
struct ListCase {
    const char* name;
    Names steps;
    Names games;
    Names teams;
};
void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class SelectionLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(SelectionLists, FollowTheGamesAddedAndRemoved) {
    GameSelection selection(teamsOf);
    for (const std::string& step : GetParam().steps) {
        if (step[0] == '+')
            selection.addGame(step.substr(1));
        else
            selection.removeGame(std::stoul(step.substr(1)));
    }
    EXPECT_EQ(selection.games(), GetParam().games);
    EXPECT_EQ(selection.teamList(), GetParam().teams);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectionLists,
    ::testing::Values(
        ListCase{"StartsWithAllTeamsOnly", {}, {}, {"All Teams"}},
        ListCase{"SameGameTwiceIsOneEntry", {"+A", "+A"}, {"A"}, {"All Teams", "H", "V"}},
        ListCase{"EachTeamOnceInTheOrderMet", {"+A", "+B", "+C"}, {"A", "B", "C"}, {"All Teams", "H", "V", "X", "Z"}},
        ListCase{"RemovingBKeepsTeamsStillPlaying", {"+A", "+B", "+C", "-1"}, {"A", "C"},
                 {"All Teams", "H", "V", "X", "Z"}},
        ListCase{"RemovingAThenDropsHAndV", {"+A", "+B", "+C", "-1", "-0"}, {"C"}, {"All Teams", "X", "Z"}},
        ListCase{"RemovingTheLastGameLeavesAllTeams", {"+C", "-0"}, {}, {"All Teams"}},
        ListCase{"NothingToRemove", {"+A", "-3"}, {"A"}, {"All Teams", "H", "V"}},
        ListCase{"TeamCalledAllTeamsIsATeamOfItsOwn", {"+D"}, {"D"}, {"All Teams", "All Teams", "V"}},
        ListCase{"RemovingItKeepsTheFirstEntry", {"+D", "-0"}, {}, {"All Teams"}},
        ListCase{"UnreadableGameNamesNoTeam", {"+E", "+A", "-0"}, {"A"}, {"All Teams", "H", "V"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct OkCase {
    const char* name;
    Names games;
    int chosenTeam;
    SelectionProblem problem;
    const char* team;
    bool allTeams;
};
void PrintTo(const OkCase& c, std::ostream* os) { *os << c.name; }

class SelectionOk : public ::testing::TestWithParam<OkCase> {};

TEST_P(SelectionOk, ChecksThenHandsOverTheChoice) {
    // Game F has a team called "all teams" in other letters.
    std::map<std::string, GameFileTeams> games = kGames;
    games["F"] = {"all teams", "H"};
    GameSelection selection([&](const std::string& path) { return games.at(path); });
    for (const std::string& game : GetParam().games) selection.addGame(game);
    EXPECT_EQ(selection.check(GetParam().chosenTeam), GetParam().problem);
    if (GetParam().problem != SelectionProblem::None) return;
    const AnalysisChoice choice = selection.choice(GetParam().chosenTeam);
    EXPECT_EQ(choice.files, GetParam().games);
    EXPECT_EQ(choice.teamName, GetParam().team);
    EXPECT_EQ(choice.allTeams, GetParam().allTeams);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectionOk,
    ::testing::Values(OkCase{"NoGameComesFirst", {}, 0, SelectionProblem::NoGame, "", false},
                      OkCase{"NoTeamChosen", {"A"}, -1, SelectionProblem::NoTeam, "", false},
                      OkCase{"AllTeamsSetsTheFlag", {"A", "C"}, 0, SelectionProblem::None, "All Teams", true},
                      OkCase{"ATeamByName", {"A", "C"}, 3, SelectionProblem::None, "X", false},
                      OkCase{"OtherLetterCaseFurtherDownIsATeam", {"F"}, 1, SelectionProblem::None, "all teams", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameSelection, TakesAnyNumberOfGames) {
    GameSelection selection([](const std::string&) { return GameFileTeams{"H", "V"}; });
    for (int i = 0; i < 1500; ++i) EXPECT_TRUE(selection.addGame("game" + std::to_string(i) + ".gam"));
    EXPECT_EQ(selection.choice(1).files.size(), 1500u);
    EXPECT_EQ(selection.teamList(), (Names{"All Teams", "H", "V"}));
}

TEST(GameFileHeader, NamesTheTeamsOfAGameFileAndNothingForWhatIsNone) {
    const courtlog::testing::ScratchFolder folder;
    const std::string path = folder.saveGame(courtlog::testing::game("Hawks", "Owls"), "a.gam");
    EXPECT_EQ(readGameFileTeams(path), (GameFileTeams{"Hawks", "Owls"}));

    // Only the first 193 bytes are read; a file cut inside the visiting name
    // still gives the home name.
    courtlog::testing::writeFile(folder.file("short.gam"), courtlog::testing::readFile(path).substr(0, 160));
    EXPECT_EQ(readGameFileTeams(folder.file("short.gam")), (GameFileTeams{"Hawks", ""}));

    EXPECT_EQ(readGameFileTeams(folder.file("missing.gam")), std::nullopt);
    EXPECT_EQ(readGameFileTeams(folder.path()), std::nullopt);
    EXPECT_EQ(gameFileTeamsOrBlank(folder.file("missing.gam")), GameFileTeams{});
}

}  // namespace
}  // namespace courtlog::stats
