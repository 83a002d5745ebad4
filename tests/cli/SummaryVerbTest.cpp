#include <gtest/gtest.h>

#include "CliRun.h"

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CommandLineTool.h"
#include "core/records/Codes.h"
#include "core/records/Game.h"
#include "core/records/Settings.h"

using namespace courtlog;

namespace {

using courtlog::testing::CliRun;

CliRun summary(std::vector<std::string> args) {
    args.insert(args.begin(), "summary");
    return courtlog::testing::runCli(std::move(args));
}

using SummaryVerb = courtlog::testing::CommandLineTest;

}  // namespace

TEST_F(SummaryVerb, PrintsTheConsoleFiguresUnderTheGivenSettings) {
    Game game;
    game.halves = 1;
    game.currentPeriod = 2;
    game.home.name = "Hawks";
    const Player alpha = courtlog::testing::player("Alpha", 4, 0, 3);
    game.home.addPlayer(alpha, PersonalInfo::blank());
    game.setEvents(true, std::vector<PlayEvent>(3, courtlog::testing::playBy(alpha, Foul, 0, 2)));
    ASSERT_TRUE(game.save(path("g.gam")));

    Settings settings;
    settings.setDefaults();
    settings.league.foulTroubleAfter = 3;
    settings.league.bonusAfter = 3;
    ASSERT_TRUE(settings.writeSettings(path("league.ini")));

    const CliRun run = summary({path("g.gam"), "--settings", path("league.ini")});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["currentPeriod"], 2);
    EXPECT_EQ(doc["periodGroup"]["caption"], "Half");
    EXPECT_EQ(doc["periodGroup"]["labels"], nlohmann::json({"1", " ", "2", " "}));
    EXPECT_EQ(doc["periodGroup"]["checked"], 3);
    EXPECT_EQ(doc["sheetPeriodTitle"], "2nd Half");
    EXPECT_EQ(doc["home"]["onCourt"][0]["slot"], 3);
    EXPECT_EQ(doc["home"]["onCourt"][0]["color"], "red");
    EXPECT_EQ(doc["visitor"]["bonus"], "BONUS");
    EXPECT_EQ(doc["home"]["players"][0]["personalFouls"], 3);
}

TEST_F(SummaryVerb, AGameThatDoesNotLoadFailsWithTheLoadMessage) {
    std::ofstream(path("bad.gam")) << "short";
    CliRun run = summary({path("bad.gam")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Can't load game !"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
    run = summary({path("missing.gam")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(summary({}).status, 2);
    EXPECT_EQ(summary({path("bad.gam"), "--settings"}).status, 2);
}

TEST_F(SummaryVerb, SettingsThatCannotBeReadSayWhy) {
    ASSERT_TRUE(Game().save(path("g.gam")));
    const CliRun run = summary({path("g.gam"), "--settings", path("missing.ini")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Can't read settings ! " + path("missing.ini") + ": Can't open " + path("missing.ini") +
                           ": No such file or directory\n");
}
