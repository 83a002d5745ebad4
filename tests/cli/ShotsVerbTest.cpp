// courtlog shots: the marks and zones a shot chart shows, as JSON.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CaseNames.h"
#include "CliRun.h"
#include "RecordBuilders.h"
#include "core/records/Settings.h"

namespace courtlog {
namespace {

using testing::shot;

// Hawks (home) against Owls: a made two in the lane (period 0), a missed
// three above the break (period 1), a made two in overtime (period 4); the
// Owls' Oli misses a two from mid-range left.
class ShotsVerb : public testing::CommandLineTest {
protected:
    void SetUp() override {
        testing::GameBuilder g("Hawks", "Owls");
        g.homePlayer("Ann", 12, 4).homePlayer("Bea", 5, 4).visitorPlayer("Oli", 3, 4);
        g.home(shot("Ann", TwoPointMade, 59, 30, 0))
            .home(shot("Bea", ThreePointMissed, 59, 90, 1))
            .home(shot("Ann", TwoPointMade, 60, 20, 4))
            .visitor(shot("Oli", TwoPointMissed, 30, 40, 2));
        game = folder.saveGame(g.game, "a.gam");
    }
    nlohmann::json shots(std::vector<std::string> args) {
        args.insert(args.begin(), "shots");
        args.push_back(game);
        const testing::CliRun r = testing::runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.status == 0 ? nlohmann::json::parse(r.out) : nlohmann::json{};
    }
    std::string game;
};

TEST_F(ShotsVerb, PrintsTheShownMarksInOrderAndTheZonesOfTheSettingsArc) {
    const nlohmann::json doc = shots({"--team", "Hawks"});
    EXPECT_EQ(doc["made"], nlohmann::json::parse(R"([{"x":59,"y":30,"period":0,"result":1},
                                                     {"x":60,"y":20,"period":4,"result":1}])"));
    EXPECT_EQ(doc["missed"], nlohmann::json::parse(R"([{"x":59,"y":90,"period":1,"result":5}])"));
    EXPECT_EQ(doc["shownMade"], 2);
    EXPECT_EQ(doc["shownMissed"], 1);
    ASSERT_EQ(doc["zones"].size(), 6u);
    EXPECT_EQ(doc["zones"][0], nlohmann::json::parse(R"({"zone":"Inside the Lane","made":2,"attempted":2})"));
    EXPECT_EQ(doc["zones"][5], nlohmann::json::parse(R"({"zone":"Three Above the Break","made":0,"attempted":1})"));

    Settings settings;
    settings.league.threePointArc = 0;
    ASSERT_TRUE(settings.writeSettings(path("none.ini")));
    const nlohmann::json noArc = shots({"--team", "Hawks", "--settings", path("none.ini")});
    EXPECT_EQ(noArc["zones"][1], nlohmann::json::parse(R"({"zone":"Outside the Lane","made":0,"attempted":1})"));
}

struct ShownCase {
    const char* what;
    std::vector<std::string> args;
    int shownMade;
    int shownMissed;
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.what; }

class ShotsVerbFilter : public ShotsVerb, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShotsVerbFilter, CountsWhatTheChartShows) {
    const nlohmann::json doc = shots(GetParam().args);
    EXPECT_EQ(doc["shownMade"], GetParam().shownMade);
    EXPECT_EQ(doc["shownMissed"], GetParam().shownMissed);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ShotsVerbFilter,
    ::testing::Values(ShownCase{"one player", {"--team", "Hawks", "--player", "Bea"}, 0, 1},
                      ShownCase{"opponents", {"--team", "Hawks", "--opponents"}, 0, 1},
                      ShownCase{"all teams", {"--all"}, 2, 2},
                      ShownCase{"overtime", {"--team", "Hawks", "--period", "overtime"}, 1, 0},
                      ShownCase{"second half of quarters", {"--all", "--period", "second-half"}, 0, 1},
                      ShownCase{"threes", {"--team", "Hawks", "--kind", "3s"}, 0, 1},
                      ShownCase{"twos of the first quarter", {"--all", "--kind", "2s", "--period", "first-quarter"}, 1,
                                0}),
    testing::NameFromWhat());

TEST_F(ShotsVerb, WrongUsageExitsTwoAndUnknownPlayersOrFilesOne) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--all", "--opponents", game},
             {"--team", "Hawks", "--opponents", "--player", "Ann", game},
             {"--team", "Hawks", "--period", "third-half", game},
             {"--team", "Hawks", "--kind", "4s", game},
             {"--team", "Hawks"},
             {game}}) {
        std::vector<std::string> full{"shots"};
        full.insert(full.end(), args.begin(), args.end());
        EXPECT_EQ(testing::runCli(full).status, 2) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(testing::runCli({"shots", "--team", "Hawks", "--player", "Oli", game}).status, 1);
    const testing::CliRun missing = testing::runCli({"shots", "--all", path("gone.gam")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("No such game file"), std::string::npos);
}

// As every verb over several games: a damaged one is left out and named,
// the chart of the others is printed, and the verb then fails.
TEST_F(ShotsVerb, ADamagedGameIsLeftOutAndFailsAfterTheOutput) {
    testing::writeFile(path("cut.gam"), testing::readFile(game).substr(0, 800));
    const testing::CliRun r = testing::runCli({"shots", "--all", path("cut.gam"), game});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(path("cut.gam") + " (left out)"), std::string::npos) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["shownMade"], 2);
}

}  // namespace
}  // namespace courtlog
