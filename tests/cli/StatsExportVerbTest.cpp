// courtlog stats with --combined and the three exports, end to end.
#include <gtest/gtest.h>

#include "CliRun.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/records/Settings.h"

namespace courtlog {
namespace {

using courtlog::testing::play;
using courtlog::testing::readFile;

courtlog::testing::CliRun stats(std::vector<std::string> args) {
    args.insert(args.begin(), "stats");
    return courtlog::testing::runCli(std::move(args));
}

// Hawks (Ann scores 2) against Owls (Oli scores 3), saved in a scratch folder.
class StatsExportVerb : public ::testing::Test {
protected:
    void SetUp() override {
        game = folder.saveGame(courtlog::testing::game("Hawks", "Owls", {play("Ann", Shot, TwoPointMade, 0, 12)},
                                                       {play("Oli", Shot, ThreePointMade, 0, 7)}),
                               "a.gam");
    }

    courtlog::testing::ScratchFolder folder;
    std::string game;
};

TEST_F(StatsExportVerb, CombinedListsOpponentsThenTheTeamWithOneTotals) {
    const courtlog::testing::CliRun r = stats({"--team", "Hawks", "--combined", game});
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    std::vector<std::string> players;
    for (const auto& line : doc["lines"]) players.push_back(line["player"]);
    ASSERT_GE(players.size(), 3u);
    EXPECT_EQ(players.front(), "Oli");
    EXPECT_EQ(players.back(), "TEAM TOTALS");
    EXPECT_EQ(doc["lines"].back()["TP"], 5);
}

TEST_F(StatsExportVerb, CsvIsWrittenInsteadOfJson) {
    const std::string out = folder.file("stats.csv");
    const courtlog::testing::CliRun r = stats({"--team", "Hawks", game, "--csv", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string text = readFile(out);
    EXPECT_EQ(text.rfind("\xEF\xBB\xBFPLAYER,Teamn,GP,", 0), 0u);
    EXPECT_NE(text.find("\nAnn,Hawks,"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1, 13), "TEAM TOTALS,,");
}

TEST_F(StatsExportVerb, BenchbossHasThePlayerWithoutTeam) {
    const std::string out = folder.file("coach.txt");
    ASSERT_EQ(stats({"--team", "Hawks", "--opponents", "--benchboss", out, game}).status, 0);
    const std::string text = readFile(out);
    EXPECT_EQ(text.rfind("PLAYER,GP,PP,TP,PPG,", 0), 0u);
    EXPECT_NE(text.find("\nOli,"), std::string::npos);
}

// An accented name leaves in UTF-8 in the spreadsheet file (behind its
// byte-order mark) and in the page, and as the single byte the coaching
// program reads in its import text.
TEST_F(StatsExportVerb, EachExportIsWrittenInItsEncoding) {
    const std::string accented = folder.saveGame(
        courtlog::testing::game("Hawks", "Owls", {play("Zo\xEB", Shot, TwoPointMade, 0, 5)}, {}), "b.gam");
    auto exported = [&](const char* option, const char* name) {
        const std::string out = folder.file(name);
        const courtlog::testing::CliRun r = stats({"--team", "Hawks", accented, option, out});
        EXPECT_EQ(r.status, 0) << r.err;
        return readFile(out);
    };
    const std::string csv = exported("--csv", "stats.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFPLAYER,", 0), 0u);
    EXPECT_NE(csv.find("\nZo\xC3\xAB,Hawks,"), std::string::npos);
    const std::string page = exported("--html", "stats.htm");
    EXPECT_EQ(page.rfind("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>", 0), 0u);
    EXPECT_NE(page.find("Zo\xC3\xAB"), std::string::npos);
    const std::string coach = exported("--benchboss", "coach.txt");
    EXPECT_EQ(coach.rfind("PLAYER,GP,", 0), 0u);
    EXPECT_NE(coach.find("\nZo\xEB,"), std::string::npos);
}

TEST_F(StatsExportVerb, HtmlTakesItsStyleFromTheNamedSettings) {
    Settings settings;
    settings.htmlColors[Settings::HeaderColor] = 0x00332211u;  // shows as 112233
    ASSERT_TRUE(settings.writeSettings(folder.file("league.ini")));
    const std::string out = folder.file("page.htm");
    const courtlog::testing::CliRun r = stats({"--team", "Hawks", "--opponents", "--html", out, "--settings",
                                     folder.file("league.ini"), game});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string page = readFile(out);
    EXPECT_NE(page.find(">Individual Stats for Hawks Opponents<"), std::string::npos);
    EXPECT_NE(page.find("<tr bgcolor=112233>"), std::string::npos);
    EXPECT_EQ(stats({"--all", "--html", out, "--settings", folder.file("none.ini"), game}).status, 1);
}

TEST_F(StatsExportVerb, HtmlReadsTheSettingsOfTheCurrentFolder) {
    Settings settings;
    settings.htmlFontFace = "Variable Width";
    ASSERT_TRUE(settings.writeSettings(folder.file(Settings::kFileName)));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const courtlog::testing::CliRun r = stats({"--all", "--html", "all.htm", game});
    std::filesystem::current_path(before);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string page = readFile(folder.file("all.htm"));
    EXPECT_NE(page.find("<font color=000000 size=3>Individual Stats for All Teams</font>"), std::string::npos);
}

TEST_F(StatsExportVerb, AFileThatCannotBeWrittenFails) {
    const courtlog::testing::CliRun r = stats({"--all", "--csv", folder.file("no/such/folder.csv"), game});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Can't save"), std::string::npos);
}

TEST_F(StatsExportVerb, WrongUsageExitsTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--all", "--combined", game},
             {"--team", "Hawks", "--opponents", "--combined", game},
             {"--all", game, "--csv"},
             {"--all", "--csv", "a.csv", "--html", "a.htm", game},
             {"--all", "--fit", game}}) {
        const courtlog::testing::CliRun r = stats(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Usage: courtlog stats"), std::string::npos);
    }
}

}  // namespace
}  // namespace courtlog
