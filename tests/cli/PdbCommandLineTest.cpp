#include "cli/CommandLineTool.h"

#include "CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

using namespace courtlog;
using namespace courtlog::cli;
using nlohmann::json;
namespace fs = std::filesystem;

namespace {

using courtlog::testing::CliRun;
using courtlog::testing::readFile;
using courtlog::testing::runCli;
using courtlog::testing::writeFile;

// The events as the handheld gives them back: each number of the event as a signed byte.
json asSignedBytes(json events) {
    for (json& e : events)
        for (auto& [key, value] : e.items())
            if (value.is_number_integer() && value.get<int>() > 127) value = value.get<int>() - 256;
    return events;
}

class PdbCommandLine : public courtlog::testing::CommandLineTest {
protected:
    void SetUp() override {
        ASSERT_EQ(runCli({"convert", samples + "/harbor-hawks.tem", path("Hawks.pdb")}).status, 0);
        ASSERT_EQ(runCli({"convert", data + "/json/sample-game.json", path("Final.pdb")}).status, 0);
    }
    // A failed run: status 1, a message on standard error, nothing on standard output.
    void expectFailure(const std::vector<std::string>& args, const std::string& message) {
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
};

}  // namespace

TEST_F(PdbCommandLine, TeamTravelsThroughAPalmDatabase) {
    const json source = json::parse(readFile(samples + "/source/harbor-hawks.json"));
    const CliRun dump = runCli({"dump", path("Hawks.pdb")});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const json team = json::parse(dump.out);
    EXPECT_EQ(team["kind"], "team");
    EXPECT_EQ(team["name"], source["name"]);
    EXPECT_EQ(team["coach"], source["coach"]);
    EXPECT_EQ(team["players"], source["players"]);

    ASSERT_EQ(runCli({"convert", path("Hawks.pdb"), path("Hawks.tem")}).status, 0);
    EXPECT_EQ(json::parse(runCli({"dump", path("Hawks.tem")}).out)["players"], source["players"]);
    ASSERT_EQ(runCli({"convert", path("Hawks.pdb"), path("Hawks.csv")}).status, 0);
    ASSERT_EQ(runCli({"convert", path("Hawks.pdb"), path("Again.pdb")}).status, 0);
    // Same payload; only the name and times in the header differ.
    EXPECT_EQ(readFile(path("Again.pdb")).substr(78), readFile(path("Hawks.pdb")).substr(78));
}

TEST_F(PdbCommandLine, GameTravelsThroughAPalmDatabase) {
    const json source = json::parse(readFile(data + "/json/sample-game.json"));
    const CliRun dump = runCli({"dump", path("Final.pdb")});
    ASSERT_EQ(dump.status, 0) << dump.err;
    const json game = json::parse(dump.out);
    EXPECT_EQ(game["kind"], "game");
    EXPECT_EQ(game["court"], source["court"]);
    EXPECT_EQ(game["season"], source["season"]);
    // Event fields travel as signed bytes: the shot spot (30, 200) comes back as (30, -56).
    EXPECT_EQ(game["homeEvents"][2]["shotY"], -56);
    EXPECT_EQ(game["homeEvents"], asSignedBytes(source["homeEvents"]));
    EXPECT_EQ(game["visitorEvents"], asSignedBytes(source["visitorEvents"]));
    EXPECT_EQ(game["home"]["players"], source["home"]["players"]);

    ASSERT_EQ(runCli({"convert", path("Final.pdb"), path("Final.gam")}).status, 0);
    ASSERT_EQ(runCli({"convert", path("Final.pdb"), path("Final.json")}).status, 0);
    EXPECT_EQ(json::parse(readFile(path("Final.json")))["visitorEvents"], asSignedBytes(source["visitorEvents"]));
}

TEST_F(PdbCommandLine, TheOutputKindDecidesAndTheOtherKindIsRefused) {
    expectFailure({"convert", path("Final.pdb"), path("x.tem")}, "Not a Palm Team");
    expectFailure({"convert", path("Final.pdb"), path("x.csv")}, "Not a Palm Team");
    expectFailure({"convert", path("Hawks.pdb"), path("x.gam")}, "Not a Palm Game");
    EXPECT_FALSE(fs::exists(path("x.tem")));
    EXPECT_FALSE(fs::exists(path("x.gam")));

    writeFile(path("settings.json"), R"({"kind": "settings"})");
    expectFailure({"convert", path("settings.json"), path("s.pdb")}, "Can't write a settings as a Palm database");
}

TEST_F(PdbCommandLine, WrongVersionsAndDamagedFilesAreRefused) {
    std::string team = readFile(path("Hawks.pdb"));
    team[96 + 4] = 1;  // payload version 257
    writeFile(path("v257.pdb"), team);
    expectFailure({"convert", path("v257.pdb"), path("x.tem")}, "Palm Team Version Number is Incorrect");
    expectFailure({"dump", path("v257.pdb")}, "Palm Team Version Number is Incorrect");

    std::string game = readFile(path("Final.pdb"));
    game[96 + 3] = 2;  // payload version 512
    writeFile(path("v512.pdb"), game);
    expectFailure({"convert", path("v512.pdb"), path("x.gam")}, "Palm Game Version Number is Incorrect");

    writeFile(path("cut.pdb"), readFile(path("Final.pdb")).substr(0, 500));
    expectFailure({"dump", path("cut.pdb")}, "The Palm database is damaged: a block runs past the end of the file");
    expectFailure({"dump", path("missing.pdb")}, "Could not Open Input File");
}
