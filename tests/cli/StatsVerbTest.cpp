#include <gtest/gtest.h>

#include "CliRun.h"

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CommandLineTool.h"

namespace courtlog {
namespace {

using nlohmann::ordered_json;
using testing::GameBuilder;
using testing::play;
using testing::ScratchFolder;

using testing::CliRun;

CliRun stats(std::vector<std::string> args) {
    args.insert(args.begin(), "stats");
    return testing::runCli(std::move(args));
}

// A small season: Hawks-Owls, Owls-Lynx, Lynx-Hawks, and one damaged file.
class StatsVerb : public ::testing::Test {
protected:
    void SetUp() override {
        GameBuilder one("Hawks", "Owls");
        one.homePlayer("Ann", 12, 4).visitorPlayer("Oli", -1, 4);
        one.home(play("Ann", Shot, TwoPointMade, 0, 12))
            .home(play("Ann", Shot, TwoPointMissed, 1, 12))
            .home(play("Ann", Shot, TwoPointMade, 2, 12))
            .visitor(play("Oli", Shot, ThreePointMade, 3, -1));
        games.push_back(folder.saveGame(one.game, "1.gam"));

        GameBuilder two("Owls", "Lynx");
        two.homePlayer("Oli", -1, 4).visitorPlayer("Lou", 3, 4);
        two.home(play("Oli", Turnover, BadPass, 0, -1)).visitor(play("Lou", Steal, 0, 4, 3));
        games.push_back(folder.saveGame(two.game, "2.gam"));

        GameBuilder three("Lynx", "Hawks");
        three.homePlayer("Lou", 3, 4).visitorPlayer("Ann", 12, 3);
        three.home(play("Lou", Shot, FreeThrowMade, 0, 3)).visitor(play("Ann", Assist, 0, 3, 12));
        games.push_back(folder.saveGame(three.game, "3.gam"));

        damaged = folder.file("damaged.gam");
        std::ofstream(damaged) << "short";
    }

    static ordered_json parse(const CliRun& r) {
        EXPECT_EQ(r.status, 0) << r.err;
        return ordered_json::parse(r.out);
    }

    ScratchFolder folder;
    std::vector<std::string> games;
    std::string damaged;
};

TEST_F(StatsVerb, TeamLinesCarryEveryKeyInLineOrderWithTotalsLast) {
    std::vector<std::string> args{"--team", "Hawks"};
    args.insert(args.end(), games.begin(), games.end());
    const CliRun r = stats(args);
    EXPECT_EQ(r.err, "");
    const ordered_json doc = parse(r);
    ASSERT_EQ(doc.size(), 1u);
    const ordered_json& lines = doc.at("lines");
    ASSERT_EQ(lines.size(), 2u);

    std::vector<std::string> keys;
    for (const auto& [key, value] : lines[0].items()) keys.push_back(key);
    const std::vector<std::string> expected{
        "player", "team", "number", "GP",  "PP",  "TP",  "2A",  "2M",  "3A",  "3M",  "FGA",       "FGM",
        "FTA",    "FTM",  "AS",     "OF",  "DF",  "TF",  "OR",  "DR",  "ST",  "BS",  "TO",        "TRV",
        "DD",     "BP",   "3S",     "CLKEXP", "PC", "BKCT", "LB", "IBV", "OUTOFBNDS", "OTHER", "PPG", "2%",
        "3%",     "FG%",  "FT%",    "APG", "FPG", "RPG", "SPG", "BPG", "TPG"};
    EXPECT_EQ(keys, expected);

    const ordered_json& ann = lines[0];
    EXPECT_EQ(ann["player"], "Ann");
    EXPECT_EQ(ann["team"], "Hawks");
    EXPECT_EQ(ann["number"], 12);
    EXPECT_EQ(ann["GP"], 2);
    EXPECT_EQ(ann["PP"], 7);
    EXPECT_EQ(ann["TP"], 4);
    EXPECT_EQ(ann["AS"], 1);
    // 2 of 3: the 32-bit value, not rounded to two places.
    EXPECT_FLOAT_EQ(ann["2%"].get<float>(), 200.0f / 3.0f);
    EXPECT_NE(ann["2%"].get<double>(), 66.67);

    EXPECT_EQ(lines[1]["player"], "TEAM TOTALS");
    EXPECT_EQ(lines[1]["team"], "");
    EXPECT_EQ(lines[1]["number"], -1);
    EXPECT_EQ(lines[1]["GP"], 2);
    EXPECT_EQ(lines[1]["PP"], 3 + 4);
}

TEST_F(StatsVerb, OpponentsAndAllTeams) {
    std::vector<std::string> args{"--opponents", "--team", "Hawks"};
    args.insert(args.end(), games.begin(), games.end());
    ordered_json lines = parse(stats(args)).at("lines");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["player"], "Oli");
    EXPECT_EQ(lines[0]["team"], "Owls");
    EXPECT_EQ(lines[0]["number"], -1);
    EXPECT_EQ(lines[1]["player"], "Lou");
    EXPECT_EQ(lines[1]["team"], "Lynx");
    EXPECT_EQ(lines[2]["TP"], 3 + 1);

    args = {"--all"};
    args.insert(args.end(), games.begin(), games.end());
    lines = parse(stats(args)).at("lines");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1]["player"], "Oli");
    EXPECT_EQ(lines[1]["GP"], 2);
    EXPECT_EQ(lines[1]["TO"], 1);
    EXPECT_EQ(lines[1]["BP"], 1);
    EXPECT_EQ(lines[2]["player"], "Lou");
    EXPECT_EQ(lines[3]["GP"], 3);
    EXPECT_EQ(lines[3]["TP"], 4 + 3 + 1);
    EXPECT_EQ(lines[3]["PP"], 4 + 5 + 4);
}

// A damaged game is left out of every figure, named on standard error; the
// rest is written and the verb then fails, as every verb over several games.
TEST_F(StatsVerb, ADamagedGameIsLeftOutNamedAndFailsAfterTheOutput) {
    CliRun r = stats({"--all", games[0], damaged});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Can't load game ! "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(damaged + " (left out)"), std::string::npos) << r.err;
    ordered_json lines = ordered_json::parse(r.out).at("lines");
    EXPECT_EQ(lines.back()["GP"], 1);  // in all-teams mode too: not a game with no plays

    r = stats({"--team", "Hawks", damaged, games[0], "--csv", folder.file("out.csv")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(damaged), std::string::npos);
    EXPECT_FALSE(testing::readFile(folder.file("out.csv")).empty());
}

TEST_F(StatsVerb, MissingFileFailsWithNothingOnStandardOutput) {
    const std::string missing = folder.file("missing.gam");
    const CliRun r = stats({"--all", games[0], missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(missing), std::string::npos);
}

TEST_F(StatsVerb, WrongUsageExitsTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {games[0]},
                                               {"--all"},
                                               {"--team"},
                                               {"--team", "Hawks", "--all", games[0]},
                                               {"--all", "--opponents", games[0]},
                                               {"--opponents", games[0]},
                                               {"--season", games[0]}}) {
        const CliRun r = stats(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: courtlog stats"), std::string::npos);
    }
}

}  // namespace
}  // namespace courtlog
